#include "appinfo.h"
#include "configinistore.h"
#include "macroinistore.h"
#include "testenvironment.h"

#include <QDir>
#include <QFile>

namespace {

QString writeIni(const QString &name, const QByteArray &content)
{
    const QString path = QDir::homePath() + '/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
    return path;
}

// Collects the warnings given while it lives.
class WarningLog
{
public:
    WarningLog()
        : m_previous(qInstallMessageHandler(collect))
    {
        s_warnings.clear();
    }
    ~WarningLog() { qInstallMessageHandler(m_previous); }
    QStringList warnings() const { return s_warnings; }

private:
    static void collect(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (type == QtWarningMsg)
            s_warnings.append(message);
    }
    static QStringList s_warnings;
    QtMessageHandler m_previous;
};
QStringList WarningLog::s_warnings;

} // namespace

class tst_SettingsStores : public QObject
{
    Q_OBJECT

private slots:
    void protectedKeyReadsDecoded()
    {
        ConfigIniStore store(writeIni("a.ini", "[Option]\nCID=" + QByteArray("35").toBase64() + "\n"));
        QCOMPARE(store.value("Option", "CID"), QString("35"));
    }

    void protectedKeyStoredPlainlyIsDecodedAnyway()
    {
        ConfigIniStore store(writeIni("b.ini", "[Option]\nCID=35\n"));
        QVERIFY(store.value("Option", "CID") != QString("35"));
        QCOMPARE(store.value("Option", "CID"), ConfigIniStore::decodeProtected("35"));
    }

    void decodingDropsBlanksAndLineFeedsAnywhere()
    {
        ConfigIniStore store(writeIni("c.ini", "[Drive1]\nMM=" + QByteArray("TL 4K\nM 1 \n").toBase64()
                                                   + "\nDM=\"" + QByteArray("R1").toBase64() + "\"\n"));
        QCOMPARE(store.value("Drive1", "MM"), QString("TL4KM1"));
        QCOMPARE(store.value("Drive1", "DM"), QString("R1"));
    }

    void paddingAndForeignCharactersAreLenient()
    {
        // "MzU" without its padding, and with characters outside the alphabet.
        ConfigIniStore store(writeIni("d.ini", "[Option]\nCID=M*z-U\nVID=MzU=\n"));
        QCOMPARE(store.value("Option", "CID"), QString("35"));
        QCOMPARE(store.value("Option", "VID"), QString("35"));
    }

    void protectedListIsDecodedItemByItem()
    {
        const QByteArray line = "Wireless_PID=" + QByteArray("0x5A11 \n").toBase64() + ","
                                + QByteArray("0x5A12").toBase64() + "\n";
        ConfigIniStore store(writeIni("e.ini", "[Option]\n" + line));
        QCOMPARE(store.valueList("Option", "Wireless_PID"), (QStringList{"0x5A11", "0x5A12"}));
    }

    void keyNamesAreCaseSensitive()
    {
        const QByteArray encoded = QByteArray("3950").toBase64();
        ConfigIniStore store(writeIni("f.ini", "[Drive1]\nSensor=" + encoded + "\nsensor=" + encoded + "\n"));
        QCOMPARE(store.value("Drive1", "Sensor"), QString("3950"));
        QCOMPARE(store.value("Drive1", "sensor"), QString::fromLatin1(encoded));
    }

    void unprotectedValuesComeBackAsTheReaderGivesThem()
    {
        ConfigIniStore store(writeIni("g.ini", "[Option]\nInterfaceId=\" 2 \"\nLabelColor=255,128,0\n"));
        QCOMPARE(store.value("Option", "InterfaceId"), QString(" 2 "));
        QCOMPARE(store.valueList("Option", "LabelColor"), (QStringList{"255", "128", "0"}));
    }

    void coloursComeAsStyleSheetTextWithWhiteForShortLists()
    {
        ConfigIniStore store(writeIni("c.ini", "[Option]\nLabelColor=255, 128,0,9\nButtonColor=1,2\n"));
        QCOMPARE(store.colourText("LabelColor"), QString("255,128,0"));
        QCOMPARE(store.colourText("ButtonColor"), QString("255,255,255"));
        QCOMPARE(store.colourText("SliderColor"), QString("255,255,255"));
    }

    void missingKeysAndFilesReadEmpty()
    {
        ConfigIniStore store(writeIni("h.ini", "[Option]\nDeviceTotal=2\n"));
        QCOMPARE(store.value("Option", "Nothing"), QString());
        QCOMPARE(store.value("Drive9", "CID"), QString());
        QVERIFY(store.valueList("Option", "USB_PID").isEmpty());

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot read the program settings .*"));
        ConfigIniStore missing(QDir::homePath() + "/missing/Config.ini");
        QCOMPARE(missing.value("Option", "DeviceTotal"), QString());
        QVERIFY(missing.valueList("Option", "Wireless_PID").isEmpty());
    }

    void macroIniWritesReachTheFileAtOnce()
    {
        const QString path = writeIni("Macro.ini", "");
        MacroIniStore store(path);
        QCOMPARE(store.value("Language", "Language"), QString());
        store.setValue("Language", "Language", "1");
        store.setValue("AutoStart", "Enable", "0");

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        QVERIFY(written.contains("[Language]\nLanguage=1"));
        QVERIFY(written.contains("[AutoStart]\nEnable=0"));

        store.remove("AutoStart", "Enable");
        QCOMPARE(MacroIniStore(path).value("AutoStart", "Enable"), QString());
        QCOMPARE(MacroIniStore(path).value("Language", "Language"), QString("1"));
    }

    void unwritableMacroIniKeepsTheChoiceForTheRun()
    {
        // A folder in the file's place cannot be written, even by root.
        const QString path = QDir::homePath() + "/Unwritable.ini";
        QVERIFY(QDir().mkpath(path));
        MacroIniStore store(path);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot write the user settings .*"));
        store.setValue("Language", "Language", "1");
        QCOMPARE(store.value("Language", "Language"), QString("1"));
    }

    void onlyAWriteThatDidNotReachTheFileIsReported_data()
    {
        QTest::addColumn<bool>("readFirst");
        QTest::addColumn<bool>("fileTurnsUnwritable");
        // QSettings cannot parse the line "garbage" and keeps saying so.
        QTest::newRow("unparsable line read, then a write") << true << false;
        QTest::newRow("unparsable line never read, then a write") << false << false;
        QTest::newRow("unparsable line read, then a write that fails") << true << true;
    }

    void onlyAWriteThatDidNotReachTheFileIsReported()
    {
        QFETCH(bool, readFirst);
        QFETCH(bool, fileTurnsUnwritable);
        const QString path = writeIni("Garbage.ini", "[Language]\nLanguage=1\ngarbage\n[FindNew]\nIsShow=0\n");
        MacroIniStore store(path);
        if (readFirst)
            QCOMPARE(store.value("Language", "Language"), QString("1"));
        if (fileTurnsUnwritable) {
            QVERIFY(QFile::remove(path));
            QVERIFY(QDir().mkpath(path));
        }
        WarningLog log;
        store.setValue("AutoStart", "Enable", "1");
        store.setValue("Language", "Language", "0");
        QCOMPARE(log.warnings().size(), fileTurnsUnwritable ? 2 : 0);
        if (!fileTurnsUnwritable) {
            QCOMPARE(MacroIniStore(path).value("AutoStart", "Enable"), QString("1"));
            QCOMPARE(MacroIniStore(path).value("FindNew", "IsShow"), QString("0"));
        }
        QDir(path).removeRecursively();
        QFile::remove(path);
    }

    void instancesAreOneEachAndFindTheirFiles()
    {
        QCOMPARE(ConfigIniStore::instance(), ConfigIniStore::instance());
        QCOMPARE(MacroIniStore::instance(), MacroIniStore::instance());
        QCOMPARE(ConfigIniStore::instance()->path(), programFolderPath() + "/usersetting/Config.ini");
        QCOMPARE(MacroIniStore::instance()->path(), dataFolderPath() + "/Macro.ini");
    }
};

TALVO_TEST_GUILESS_MAIN(tst_SettingsStores)
#include "tst_settingsstores.moc"
