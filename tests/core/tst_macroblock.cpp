#include "macroblockbuilder.h"
#include "macrofile.h"
#include "macrotext.h"
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

// Items as the editor lists them: "+1:04" a press of kind 1, code 0x04,
// "-0:20" a release, "10ms" a delay.
QString itemsText(const QVector<MacroItem> &items)
{
    QStringList texts;
    for (const MacroItem &item : items) {
        texts.append(item.type == MacroItem::Delay ? QStringLiteral("%1ms").arg(item.delay)
                                                   : QStringLiteral("%1%2:%3")
                                                         .arg(item.action == KeyStep::Release ? '-' : '+')
                                                         .arg(item.kind)
                                                         .arg(item.code, 2, 16, QLatin1Char('0')));
    }
    return texts.join(' ');
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
        QTest::newRow("a flag without its line end keeps its flag")
            << QByteArray("1\n0x04 1 0\n10ms\n0x04 1 1") << QStringList{"+1:04/10", "-1:04/0"};
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

    // Typed files read as the editor lists them and are written back in the
    // one form the program writes, which reads back the same.
    void macroTextsReadTolerantlyAndWriteBackPlainly_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("plain") << QByteArray("254\n0x04 1 0\n10ms\n0x04 1 1\n") << "254: +1:04 10ms -1:04"
                               << QByteArray("254\n0x04 1 0\n10ms\n0x04 1 1\n");
        QTest::newRow("blanks, tabs, CR LF, empty lines")
            << QByteArray("  255 x\r\n0x20\t 0  0 \r\n\r\n 7ms\r\n") << "255: +0:20 7ms"
            << QByteArray("255\n0x20 0 0\n7ms\n");
        QTest::newRow("no line end at the end") << QByteArray("253\n0x04 1 0\n0x04 1 1") << "253: +1:04 -1:04"
                                                << QByteArray("253\n0x04 1 0\n0x04 1 1\n");
        QTest::newRow("count 250") << QByteArray("250") << "250: " << QByteArray("250\n");
        QTest::newRow("count 251") << QByteArray("251\n") << "1: " << QByteArray("1\n");
        QTest::newRow("no count") << QByteArray("x\n") << "1: " << QByteArray("1\n");
        QTest::newRow("empty file") << QByteArray() << "1: " << QByteArray("1\n");
        QTest::newRow("mouse buttons by their bits") << QByteArray("1\n0x10 4 0\n0x08 4 1\n") << "1: +4:10 -4:08"
                                                     << QByteArray("1\n0x10 4 0\n0x08 4 1\n");
        QTest::newRow("keys without a name are empty keys")
            << QByteArray("1\n0x2a 1 0\n0x58 1 1\n0xB5 2 0\n0x03 4 0\n0x03 0 0\n") << "1: +1:00 -1:00 +1:00 +1:00 +1:00"
            << QByteArray("1\n0x00 1 0\n0x00 1 1\n0x00 1 0\n0x00 1 0\n0x00 1 0\n");
        QTest::newRow("neither key nor delay")
            << QByteArray("1\n0x04 1\n0x04 1 2\n0x04 x 0\n0x04 1 0 x\nword\n10\n10 ms\n4294967296ms\n") << "1: "
            << QByteArray("1\n");
    }

    void macroTextsReadTolerantlyAndWriteBackPlainly()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, read);
        QFETCH(QByteArray, written);
        QBuffer file(&text);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const MacroText macro = MacroText::read(&file);
        QCOMPARE(QString("%1: %2").arg(macro.repeat).arg(itemsText(macro.items)), read);
        QCOMPARE(macro.bytes(), written);
        QBuffer again(&written);
        QVERIFY(again.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(itemsText(MacroText::read(&again).items), itemsText(macro.items));
    }

    // The editor shows a device's macro as the items that built it.
    void blocksGiveBackTheirItems_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("items");
        QTest::newRow("alternating from a key") << QByteArray("1\n0x04 1 0\n10ms\n0x01 4 1\n0ms\n0x80 0 0\n")
                                                << "+1:04 10ms -4:01 0ms +0:80";
        QTest::newRow("ending in a delay") << QByteArray("1\n0x04 1 0\n20ms\n") << "+1:04 20ms +0:00";
        QTest::newRow("leading and consecutive delays") << QByteArray("1\n5ms\n0x01 0 0\n10ms\n15ms\n0x01 0 1\n")
                                                        << "+0:01 25ms -0:01";
        QTest::newRow("empty") << QByteArray("1\n") << "";
    }

    void blocksGiveBackTheirItems()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, items);
        QBuffer file(&text);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(itemsText(macroItemsOfBlock(macroBlock("M", MacroText::read(&file).items))), items);
    }

    // A file the key page binds gives the block the editor sends, and a
    // file written from a device's block binds that block again.
    void theKeyPageBindsWhatTheEditorSends()
    {
        writeFile(macroFilePath("Typed"), "300\n0x04 1 0\n12ms\n0x10 4 0\n5ms\n5ms\n0x10 4 1\n0x20 0 1");
        KeyMacro bound;
        QVERIFY(buildMacroBlockFromIni("Typed", &bound));
        MacroText typed;
        QVERIFY(readMacroFile("Typed", &typed));
        const auto bytes = [](const KeyMacro &block) { return QByteArray(reinterpret_cast<const char *>(&block), sizeof block); };
        QCOMPARE(bytes(macroBlock("Typed", typed.items)), bytes(bound));

        QVERIFY(writeMacroFileFromBlock("Device", 300, bound));
        KeyMacro rebound;
        QVERIFY(buildMacroBlockFromIni("Device", &rebound));
        QCOMPARE(stepsOf(rebound), stepsOf(bound));
        QCOMPARE(readMacroRepeatText("Device"), QString("1"));
        QVERIFY(!writeMacroFileFromBlock("../Device", 254, bound));
        QVERIFY(!QFile::exists(macroFolderPath() + "/../Device.ini"));
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
        QCOMPARE(macroNameOfBlock(block), QString::fromUtf8(bytes));
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
