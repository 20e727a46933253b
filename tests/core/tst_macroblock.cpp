#include "languagetables.h"
#include "macroblockbuilder.h"
#include "macroexport.h"
#include "macrofile.h"
#include "macrotext.h"
#include "pagestate.h"
#include "pipewatch.h"
#include "testenvironment.h"

#include <QBuffer>
#include <QDir>
#include <QIcon>
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

// Items as "+1:04" (a press of kind 1, code 0x04), "-0:20" (a release) and "10ms".
QString itemsText(const QVector<MacroItem> &items)
{
    QStringList texts;
    for (const MacroItem &item : items)
        texts.append(item.type == MacroItem::Delay ? item.text()
                                                   : QString::asprintf("%c%d:%02x", item.action ? '-' : '+', item.kind, item.code));
    return texts.join(' ');
}

// An exchanged macro's stream with items "<text>+" (a press), "<text>-" (a
// release) or "<text>ms" (a delay, no flag), each with an icon of `engine`.
QByteArray exchangeStream(const QByteArray &marker, const QByteArray &name, const QByteArray &repeat, int count,
                          const QStringList &items, const QString &engine = "QIconLoaderEngine")
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_9);
    out << marker << name << repeat << quint32(count < 0 ? items.size() : count);
    for (const QString &item : items) {
        const bool delay = item.endsWith("ms");
        out << (delay ? item : item.chopped(1)) << engine << QString("theme icon");
        if (!delay)
            out << QByteArray(item.endsWith('-') ? "1" : "0", 2);
    }
    return bytes;
}

QString importedText(QByteArray bytes)
{
    QBuffer file(&bytes);
    const auto imported = file.open(QIODevice::ReadOnly) ? MacroExport::read(&file) : std::nullopt;
    return imported ? QString("%1 %2: %3").arg(imported->name).arg(imported->macro.repeat).arg(itemsText(imported->macro.items))
                    : "none";
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
        languageTable(languageTextTable, LanguageSection::Macro) = {
            QVector<QString>(18) << "Left" << "Right" << "Middle" << "Forward" << "Back",
            QVector<QString>(18) << "Levo" << "Pravo" << "Sredne" << "Vpered" << "Nazad"};
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
    // one form the program writes (the typed text itself where none is given).
    void macroTextsReadTolerantlyAndWriteBackPlainly_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("plain") << QByteArray("254\n0x04 1 0\n10ms\n0x04 1 1\n") << "254: +1:04 10ms -1:04" << QByteArray();
        QTest::newRow("blanks, tabs, CR LF, empty lines")
            << QByteArray("  255 x\r\n0x20\t 0  0 \r\n\r\n 7ms\r\n") << "255: +0:20 7ms"
            << QByteArray("255\n0x20 0 0\n7ms\n");
        QTest::newRow("no line end at the end") << QByteArray("253\n0x04 1 0\n0x04 1 1") << "253: +1:04 -1:04"
                                                << QByteArray("253\n0x04 1 0\n0x04 1 1\n");
        QTest::newRow("count 250") << QByteArray("250") << "250: " << QByteArray("250\n");
        QTest::newRow("count 251") << QByteArray("251\n") << "1: " << QByteArray("1\n");
        QTest::newRow("no count") << QByteArray("x\n") << "1: " << QByteArray("1\n");
        QTest::newRow("empty file") << QByteArray() << "1: " << QByteArray("1\n");
        QTest::newRow("mouse buttons by their bits") << QByteArray("1\n0x10 4 0\n0x08 4 1\n") << "1: +4:10 -4:08" << QByteArray();
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
        QCOMPARE(macro.bytes(), written.isEmpty() ? text : written);
    }

    // A file the key page binds gives the block the editor sends, and a
    // file written from a device's block binds that block again.
    void theKeyPageBindsWhatTheEditorSends()
    {
        writeFile(macroFilePath("Typed"), "300\n5ms\n0x04 1 0\n12ms\n0x10 4 0\n5ms\n5ms\n0x10 4 1\n0x20 0 1");
        KeyMacro bound, rebound;
        MacroText typed;
        QVERIFY(buildMacroBlockFromIni("Typed", &bound) && readMacroFile("Typed", &typed));
        QCOMPARE(stepsOf(macroBlock("Typed", typed.items)), stepsOf(bound));

        MacroText device;
        QVERIFY(addMacroFileFromBlock("Device", 300, bound) && buildMacroBlockFromIni("Device", &rebound));
        QCOMPARE(stepsOf(rebound), stepsOf(bound));
        QVERIFY(readMacroFile("Device", &device) && device.repeat == 1);
        QVERIFY(!addMacroFileFromBlock("../Device", 254, bound));
    }

    // The block's all-zero end step after a delay is no key.
    void macrosComeBackFromTheDeviceAsTheyWent_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("ending in a key") << QByteArray("1\n0x04 1 0\n10ms\n0x04 1 1\n");
        QTest::newRow("ending in a delay") << QByteArray("1\n0x04 1 0\n10ms\n0x04 1 1\n20ms\n");
        QTest::newRow("without steps") << QByteArray("1\n");
    }

    void macrosComeBackFromTheDeviceAsTheyWent()
    {
        QFETCH(QByteArray, text);
        QCOMPARE((MacroText{1, macroItemsOfBlock(blockOfText(text))}.bytes()), text);
    }

    // Qt reads the icons this program writes, and this program reads
    // streams whose icons Qt wrote with their pictures; mouse buttons are
    // found by the name of the language that wrote them.
    void exchangedMacrosCarryIconsQtReads()
    {
        currentLanguageIndex = 1;
        const MacroExport written{QString::fromUtf8("Mäkro"),
                                  {254, {MacroItem::key(1, 0x04, KeyStep::Press), MacroItem::pause(10),
                                         MacroItem::key(0, 0x01, KeyStep::Release), MacroItem::key(4, 0x08, KeyStep::Press)}}};
        QByteArray bytes;
        QBuffer file(&bytes);
        QVERIFY(file.open(QIODevice::WriteOnly) && written.write(&file));
        QDataStream in(bytes);
        QByteArray qtWritten;
        QDataStream out(&qtWritten, QIODevice::WriteOnly);
        for (QDataStream *stream : {&in, &out})
            stream->setVersion(QDataStream::Qt_5_9);
        QByteArray marker, name, repeat, flag;
        quint32 count = 0;
        in >> marker >> name >> repeat >> count;
        QCOMPARE(marker + name + repeat, "Dedid" + QByteArray(7, '\0') + QString("Mäkro").toUtf8() + QByteArray(42, '\0') + "254"
                                             + QByteArray(9, '\0'));
        out << marker << name << repeat << count;
        for (quint32 index = 0; index < count; ++index) {
            QString text;
            QIcon icon;
            in >> text >> icon;
            QVERIFY2(!icon.pixmap(16).isNull(), qPrintable(text));
            out << text << icon;
            if (!text.contains("ms")) {
                in >> flag;
                out << flag;
            }
        }
        QVERIFY(in.atEnd() && qtWritten.contains("IEND"));
        currentLanguageIndex = 0;
        QCOMPARE(importedText(qtWritten), QString::fromUtf8("Mäkro 254: +1:04 10ms -0:01 +4:08"));
    }

    void exchangedStreamsImportOnlyWhatTheyName_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QString>("imported");
        QTest::newRow("wrong marker") << exchangeStream("Dedi", "M", "1", -1, {}) << "none";
        QTest::newRow("header cut short") << exchangeStream("Dedid", "M", "1", -1, {}).left(20) << "none";
        QTest::newRow("name leaving the folder") << exchangeStream("Dedid", "../M", "1", -1, {}) << "none";
        QTest::newRow("name the device cannot carry") << exchangeStream("Dedid", QByteArray(31, 'M'), "1", -1, {}) << "none";
        QTest::newRow("padded blocks, repeat beyond a count")
            << exchangeStream(QByteArray("Dedid\0\0", 7), QByteArray("M\0\0", 3), QByteArray("300\0", 4), -1, {})
            << "M 1: ";
        QTest::newRow("items naming nothing")
            << exchangeStream("Dedid", "M", "1", -1,
                              {"A+", "10 ms", "Nope+", "A\n+", "7ms", "0x12ms", "RCtrl-", "Vpered+", "Back-"})
            << "M 1: +1:04 7ms -0:10 +4:10 -4:08";
        QTest::newRow("count beyond damaged items") << exchangeStream("Dedid", "M", "1", 5, {"A+", "A-"}).chopped(1) << "M 1: +1:04";
        QTest::newRow("icon only a plug-in knows")
            << exchangeStream("Dedid", "M", "1", -1, {"A+"}, "QSvgIconEngine") << "M 1: ";
    }

    void exchangedStreamsImportOnlyWhatTheyName()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QString, imported);
        currentLanguageIndex = 0;
        QCOMPARE(importedText(stream), imported);
    }

    void recordsGiveMacroBlocksOnlyForTheirKeys()
    {
        const FlashDataMap record = {};
        QVERIFY(record.keyMacro(15) == &record.KeyMacros[15] && !record.keyMacro(16) && !record.keyMacro(-1));
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
        QTest::newRow("blanks only") << "  " << false;
        QTest::newRow("parent folder") << "../x" << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("C1 control") << QString("a") + QChar(0x85) << false;
        QTest::newRow("hidden by the listing") << "notes.xml" << false;
        QTest::newRow("ini ending") << "a.ini" << false;
        QTest::newRow("ini inside") << "a.ini.b" << false;
        QTest::newRow("hidden") << ".x" << false;
        QTest::newRow("48 bytes") << QString(24, QChar(0xE4)) << true;
        QTest::newRow("49 bytes") << "a" + QString(24, QChar(0xE4)) << false;
    }

    void onlyNamesThatStayInTheMacroFolderNameFiles()
    {
        QFETCH(QString, name);
        QFETCH(bool, usable);
        QCOMPARE(isUsableMacroName(name), usable);
    }

    void namesGivenToMacrosAreThoseTheDeviceCarriesWhole_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("given");
        const QString cyrillic = QString::fromUtf8("ж");
        QTest::newRow("30 bytes, Latin") << QString(30, 'x') << true;
        QTest::newRow("31 bytes, Latin") << QString(31, 'x') << false;
        QTest::newRow("30 bytes, Cyrillic") << cyrillic.repeated(15) << true;
        QTest::newRow("31 bytes, Cyrillic") << "a" + cyrillic.repeated(15) << false;
        QTest::newRow("a leading dot") << ".x" << false;
        QTest::newRow("not reading back to itself") << QString("a") + QChar(0xD800) << false;
    }

    void namesGivenToMacrosAreThoseTheDeviceCarriesWhole()
    {
        QFETCH(QString, name);
        QTEST(isDeviceMacroName(name), "given");
    }

    void onlyMacroFilesAreListedAndRenamed()
    {
        QVERIFY(QDir(macroFolderPath()).removeRecursively() && QDir().mkpath(macroFolderPath()));
        for (const char *file : {"b.ini", "A.ini", "x.txt", "notes.xml.ini", "a.ini.ini", "C.INI", "../d.ini"})
            writeFile(macroFolderPath() + '/' + file, "1\n");
        writeFile(macroFilePath(QString(49, 'x')), "1\n");
        writeFile(macroFilePath(QString(40, 'y')), "1\n");
        QCOMPARE(macroNames(), (QStringList{"A", "b", QString(40, 'y')}));
        QVERIFY(renameMacroFile("b", "c") && !renameMacroFile("c", "A") && !renameMacroFile("c", "../c"));
        QVERIFY(renameMacroFile(QString(40, 'y'), "y"));
        QVERIFY(QFile::link("A.ini", macroFilePath("Link")) && !renameMacroFile("Link", "Moved"));
        QCOMPARE(macroNames(), (QStringList{"A", "c", "y"}));
    }

    void macroFilesAreReplacedAndReadOnlyForUsableNames()
    {
        MacroText macro;
        writeFile(macroFilePath("Saved"), "1\n0x04 1 0\n");
        QVERIFY(writeMacroFile("Saved", {255, {}}));
        QFile saved(macroFilePath("Saved"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("255\n"));

        QVERIFY(!writeMacroFile("../Escaped", {}));
        QVERIFY(!QFile::exists(macroFolderPath() + "/../Escaped.ini"));
        writeFile(macroFolderPath() + "/../Outside.ini", "9\n");
        QVERIFY(!readMacroFile("../Outside", &macro));
        QVERIFY(!readMacroFile("Missing", &macro));
        const PipeWatch pipe(macroFilePath("Pipe"));
        QVERIFY(!readMacroFile("Pipe", &macro));
        QVERIFY(!writeMacroFile("Pipe", macro));
        QVERIFY(!pipe.readerWaited());
    }

    void blocksAreBuiltOnlyFromReadableFilesWhileSending()
    {
        writeFile(macroFilePath("Bound"), "254\n0x04 1 0\n10ms\n0x04 1 1\n");
        KeyMacro block;
        int repeat = 0;
        QVERIFY(buildMacroBlockFromIni("Bound", &block, &repeat));
        QCOMPARE(stepsOf(block), (QStringList{"+1:04/10", "-1:04/0"}));
        QCOMPARE(repeat, 254);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(block.name), block.nameLengthByte), QByteArray("Bound"));

        const QByteArray zero(sizeof block, '\0');
        const auto bytes = [&block] { return QByteArray(reinterpret_cast<const char *>(&block), sizeof block); };
        QVERIFY(!buildMacroBlockFromIni("Missing", &block));
        QCOMPARE(bytes(), zero);
        writeFile(macroFolderPath() + "/../Outside.ini", "254\n0x04 1 0\n");
        QVERIFY(!buildMacroBlockFromIni("../Outside", &block));
        // Cut to seventy keys, a macro could end on a press never let go.
        writeFile(macroFilePath("Long"), "1\n" + QByteArray("0x04 1 0\n0x04 1 1\n").repeated(35) + "0x05 1 0\n");
        QVERIFY(!buildMacroBlockFromIni("Long", &block));
        QCOMPARE(bytes(), zero);
        g_deviceUiLive = false;
        QVERIFY(!buildMacroBlockFromIni("Bound", &block));
        QCOMPARE(bytes(), zero);
    }
};

TALVO_TEST_MAIN(tst_MacroBlock)
#include "tst_macroblock.moc"
