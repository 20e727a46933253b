#include "appinfo.h"
#include "startup.h"
#include "testenvironment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <sys/time.h>

namespace {

constexpr qint64 hour = 3600;
constexpr qint64 day = 24 * hour;

void writeFile(const QString &path, const QByteArray &content = "x")
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(content);
}

void makeFileAged(const QString &path, qint64 ageSeconds)
{
    writeFile(path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QDateTime when = QDateTime::currentDateTime().addSecs(-ageSeconds);
    QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
}

} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir(dataFolderPath()).removeRecursively();
    }

    void firstStartMakesEveryFolderAndAnEmptyMacroIni()
    {
        prepareDataFolder();
        const QString root = dataFolderPath();
        for (const char *sub : {"Log", "Device_Info", "Exception", "usersetting",
                                "usersetting/MainPage", "usersetting/MacroPage",
                                "usersetting/SensorPage"})
            QVERIFY2(QDir(root + '/' + sub).exists(), sub);
        QFile macroIni(root + "/Macro.ini");
        QVERIFY(macroIni.exists());
        QCOMPARE(macroIni.size(), 0);
    }

    void existingMacroIniIsLeftAlone()
    {
        QDir().mkpath(dataFolderPath());
        writeFile(dataFolderPath() + "/Macro.ini", "[Language]\nLanguage=1\n");
        prepareDataFolder();
        QFile macroIni(dataFolderPath() + "/Macro.ini");
        QVERIFY(macroIni.open(QIODevice::ReadOnly));
        QCOMPARE(macroIni.readAll(), QByteArray("[Language]\nLanguage=1\n"));
    }

    void dataFolderThatCannotBeMadeIsNoCrash()
    {
        // A plain file where the folder tree should start blocks every mkpath.
        QDir(QDir::homePath() + "/AppData").removeRecursively();
        QDir().mkpath(QDir::homePath() + "/AppData");
        writeFile(QDir::homePath() + "/AppData/Local");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot create the data folder .*"));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("Cannot create the user settings file .*"));
        prepareDataFolder();
        QVERIFY(!QDir(dataFolderPath()).exists());
        QFile::remove(QDir::homePath() + "/AppData/Local");
    }

    void purgeRemovesFilesOlderThanSevenWholeDays_data()
    {
        QTest::addColumn<qint64>("age");
        QTest::addColumn<bool>("kept");
        QTest::newRow("7 days 23 hours") << 7 * day + 23 * hour << true;
        QTest::newRow("8 days") << 8 * day + 60 << false;
        QTest::newRow("dated minutes ahead") << qint64(-10 * 60) << true;
        QTest::newRow("dated two days ahead") << -2 * day << true;
    }

    void purgeRemovesFilesOlderThanSevenWholeDays()
    {
        QFETCH(qint64, age);
        QFETCH(bool, kept);
        const QString folder = dataFolderPath() + "/Exception";
        QDir().mkpath(folder);
        makeFileAged(folder + "/UpDateLog.txt", age);
        purgeOldFiles(folder);
        QCOMPARE(QFile::exists(folder + "/UpDateLog.txt"), kept);
    }

    void purgeLeavesSubFoldersAndTheirFiles()
    {
        const QString folder = dataFolderPath() + "/Log";
        QDir().mkpath(folder + "/nested");
        makeFileAged(folder + "/nested/ancient.log", 30 * day);
        const qint64 monthAgo = QDateTime::currentSecsSinceEpoch() - 30 * day;
        const struct timeval times[2] = {{time_t(monthAgo), 0}, {time_t(monthAgo), 0}};
        QCOMPARE(utimes(QFile::encodeName(folder + "/nested").constData(), times), 0);
        purgeOldFiles(folder);
        QVERIFY(QFile::exists(folder + "/nested/ancient.log"));
    }

    void purgeRemovesAWholeRunOfOldFiles()
    {
        const QString folder = dataFolderPath() + "/Exception";
        QDir().mkpath(folder);
        for (const char *name : {"a.dmp", "B.dmp", "c.dmp", "d.dmp"})
            makeFileAged(folder + '/' + name, 10 * day);
        makeFileAged(folder + "/e.dmp", hour);
        purgeOldFiles(folder);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"e.dmp"});
    }

    void purgeOfAMissingFolderDoesNothing()
    {
        purgeOldFiles(dataFolderPath() + "/nowhere");
    }
};

TALVO_TEST_GUILESS_MAIN(tst_Startup)
#include "tst_startup.moc"
