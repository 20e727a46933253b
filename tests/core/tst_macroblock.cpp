#include "macroblockbuilder.h"
#include "macrofile.h"
#include "pagestate.h"
#include "testenvironment.h"

#include <QBuffer>
#include <QDir>
#include <QTextCodec>

#include <cstring>

namespace {

// Each step as action ("+" press, "-" release), kind, code and delay:
// "+1:04/10" is a press of A followed by 10 ms. Steps beyond the count
// must be all zero.
QStringList stepsOf(const KeyMacro &block)
{
    QStringList steps;
    const int used = qMin<int>(block.stepCountByte, KeyMacro::MaxSteps);
    for (int index = 0; index < used; ++index) {
        const KeyStep &step = block.steps[index];
        steps.append(QStringLiteral("%1%2:%3/%4")
                         .arg(step.action == KeyStep::Release ? '-' : '+')
                         .arg(step.kind)
                         .arg(step.code(), 2, 16, QLatin1Char('0'))
                         .arg(step.delay()));
    }
    const QByteArray rest(reinterpret_cast<const char *>(block.steps + used), 8 * (KeyMacro::MaxSteps - used));
    if (rest.count('\0') != rest.size())
        steps.append(QStringLiteral("bytes after the steps"));
    return steps;
}

KeyMacro blockOfText(const QByteArray &text)
{
    QByteArray bytes = text;
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    return macroBlockFromText(QStringLiteral("M"), &file);
}

// A macro file of `keys` alternating presses and releases of A, 10 ms apart.
QByteArray alternatingFile(int keys, bool trailingDelay)
{
    QByteArray text = "254\n";
    for (int key = 0; key < keys; ++key) {
        if (key > 0)
            text += "10ms\n";
        text += key % 2 ? "0x04 1 1\n" : "0x04 1 0\n";
    }
    return trailingDelay ? text + "10ms\n" : text;
}

QStringList alternatingSteps(int keys)
{
    QStringList steps;
    for (int key = 0; key < keys; ++key)
        steps.append(QStringLiteral("%1:04/%2").arg(key % 2 ? "-1" : "+1").arg(key + 1 < keys ? 10 : 0));
    return steps;
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class tst_MacroBlock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
        QVERIFY(QDir().mkpath(macroFolderPath()));
    }

    void init()
    {
        g_deviceUiLive = true;
    }

    void macroFilesGiveTheirBlock_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("press, delay, release")
            << QByteArray("254\n0x04 1 0\n10ms\n0x04 1 1\n") << QStringList{"+1:04/10", "-1:04/0"};
        QTest::newRow("ends in a delay")
            << QByteArray("1\n0x04 1 0\n10ms\n0x04 1 1\n20ms\n") << QStringList{"+1:04/10", "-1:04/20", "+0:00/0"};
        QTest::newRow("two key lines in a row")
            << QByteArray("1\n0x04 1 0\n0x05 1 0\n10ms\n") << QStringList{"+1:04/0", "+1:05/10", "+0:00/0"};
        QTest::newRow("leading and consecutive delays")
            << QByteArray("1\n5ms\n0x04 1 0\n10ms\n15ms\n0x04 1 1\n") << QStringList{"+1:04/25", "-1:04/0"};
        QTest::newRow("only the repeat line") << QByteArray("254\n") << QStringList{"+0:00/0"};
        QTest::newRow("carriage returns")
            << QByteArray("1\r\n0x01 0 0\r\n10ms\r\n0x01 0 1\r\n") << QStringList{"+0:01/10", "-0:01/0"};
        QTest::newRow("a flag without its line end presses")
            << QByteArray("1\n0x04 1 0\n10ms\n0x04 1 1") << QStringList{"+1:04/10", "+1:04/0"};
        QTest::newRow("other lines are ignored")
            << QByteArray("1\n0x04 1\n0x04 1 0 x\n") << QStringList{"+0:00/0"};
        QTest::newRow("69 steps") << alternatingFile(69, false) << alternatingSteps(69);
        QTest::newRow("70 steps") << alternatingFile(70, false) << alternatingSteps(70);
        QStringList seventyDelayed = alternatingSteps(70);
        seventyDelayed.last().replace("/0", "/10");
        QTest::newRow("70 steps and a delay") << alternatingFile(70, true) << seventyDelayed;
        QTest::newRow("71 steps keep 70") << alternatingFile(71, false) << seventyDelayed;
    }

    void macroFilesGiveTheirBlock()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, steps);
        const KeyMacro block = blockOfText(text);
        QCOMPARE(stepsOf(block), steps);
        QCOMPARE(int(block.nameLengthByte), 1);
        QCOMPARE(char(block.name[0]), 'M');
    }

    void namesFitTheNameField_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("31 bytes") << QString(31, 'x') << QByteArray(30, 'x');
        QTest::newRow("NUL characters go") << QString::fromUtf8("a\0b", 3) << QByteArray("ab");
        QTest::newRow("two-byte characters") << "a" + QString(15, QChar(0xE4)) << ("a" + QString(14, QChar(0xE4))).toUtf8();
        const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");
        QTest::newRow("surrogate pairs") << "a" + face.repeated(8) << ("a" + face.repeated(7)).toUtf8();
    }

    void namesFitTheNameField()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QCOMPARE(macroNameBytes(name), bytes);
        const KeyMacro block = MacroBlockBuilder(name).block();
        QCOMPARE(int(block.nameLengthByte), bytes.size());
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(block.name), bytes.size()), bytes);
    }

    void onlyNamesThatStayInTheMacroFolderNameFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("usable");
        QTest::newRow("plain") << "Macro 1" << true;
        QTest::newRow("a dot") << "v1.2" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("parent folder") << "../x" << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("C1 control") << QString("a") + QChar(0x85) << false;
        QTest::newRow("hidden by the listing") << "notes.xml" << false;
        QTest::newRow("ini ending") << "a.ini" << false;
        QTest::newRow("ini inside") << "a.ini.b" << false;
    }

    void onlyNamesThatStayInTheMacroFolderNameFiles()
    {
        QFETCH(QString, name);
        QFETCH(bool, usable);
        QCOMPARE(isUsableMacroName(name), usable);
    }

    void repeatValueReplacesTheFileOnlyForUsableNames()
    {
        writeFile(macroFilePath("Saved"), "1\n0x04 1 0\n");
        QVERIFY(saveMacroRepeatValue("Saved", "255"));
        QFile saved(macroFilePath("Saved"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("255\n"));
        writeFile(macroFilePath("Spaced"), "  253  x\n0x04 1 0\n");
        QCOMPARE(readMacroRepeatText("Spaced"), QString("253"));
        writeFile(macroFilePath("Blank"), "   \n");
        QCOMPARE(readMacroRepeatText("Blank"), QString("0"));

        QVERIFY(!saveMacroRepeatValue("../Escaped", "1"));
        QVERIFY(!QFile::exists(macroFolderPath() + "/../Escaped.ini"));
        writeFile(macroFolderPath() + "/../Outside.ini", "9\n");
        QCOMPARE(readMacroRepeatText("../Outside"), QString("0"));
        QCOMPARE(readMacroRepeatText("Missing"), QString("0"));
    }

    void blocksAreBuiltOnlyFromReadableFilesWhileSending()
    {
        writeFile(macroFilePath("Bound"), "254\n0x04 1 0\n10ms\n0x04 1 1\n");
        KeyMacro block;
        QVERIFY(buildMacroBlockFromIni("Bound", &block));
        QCOMPARE(stepsOf(block), (QStringList{"+1:04/10", "-1:04/0"}));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(block.name), block.nameLengthByte), QByteArray("Bound"));

        const QByteArray zero(sizeof block, '\0');
        const auto bytes = [&block] { return QByteArray(reinterpret_cast<const char *>(&block), sizeof block); };
        QVERIFY(!buildMacroBlockFromIni("Missing", &block));
        QCOMPARE(bytes(), zero);
        writeFile(macroFolderPath() + "/../Outside.ini", "254\n0x04 1 0\n");
        QVERIFY(!buildMacroBlockFromIni("../Outside", &block));
        g_deviceUiLive = false;
        QVERIFY(!buildMacroBlockFromIni("Bound", &block));
        QCOMPARE(bytes(), zero);
    }
};

TALVO_TEST_GUILESS_MAIN(tst_MacroBlock)
#include "tst_macroblock.moc"
