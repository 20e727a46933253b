#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <memory>

namespace {

// A started program: its standard error is kept for inspection.
class Program
{
public:
    Program()
    {
        m_process.setProgram(QCoreApplication::applicationDirPath() + "/talvo-lumerant");
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start();
    }
    ~Program()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    QProcess &process() { return m_process; }
    bool running() const { return m_process.state() == QProcess::Running; }

    // Decided once it says that another instance runs, or once it holds the
    // segment: the instance that runs keeps it attached, one that only looks
    // at it lets go at once.
    bool waitUntilDecided(int timeoutMs = 20000)
    {
        if (!m_process.waitForStarted())
            return false;
        const QString maps = QString("/proc/%1/maps").arg(m_process.processId());
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            if (saidAlreadyRunning())
                return true;
            QFile file(maps);
            if (file.open(QIODevice::ReadOnly) && file.readAll().contains("/SYSV")) {
                // Give the chosen path a moment to report itself.
                QTest::qWait(300);
                return true;
            }
            if (!running())
                return false;
            QTest::qWait(50);
        }
        return false;
    }

    bool saidAlreadyRunning()
    {
        m_stderr += m_process.readAllStandardError();
        return m_stderr.contains("is already running");
    }

    // Ends the program the way a desktop session does.
    bool endNormally(int timeoutMs)
    {
        m_process.terminate();
        return m_process.waitForFinished(timeoutMs) && m_process.exitStatus() == QProcess::NormalExit
               && m_process.exitCode() == 0;
    }

private:
    QProcess m_process;
    QByteArray m_stderr;
};

} // namespace

class tst_SingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void firstStartMakesTheDataFolder()
    {
        Program first;
        QVERIFY(first.waitUntilDecided());
        const QString data = QDir::homePath() + "/AppData/Local/Talvo Lumerant 4K";
        QVERIFY(QFile::exists(data + "/Macro.ini"));
        QVERIFY(QDir(data + "/usersetting/SensorPage").exists());
        QVERIFY(first.endNormally(5000));
    }

    void secondStartOnlySaysThatTheFirstRuns()
    {
        Program first;
        QVERIFY(first.waitUntilDecided());
        QVERIFY(!first.saidAlreadyRunning());

        Program second;
        QVERIFY(second.waitUntilDecided());
        QVERIFY(second.saidAlreadyRunning());
        QVERIFY(second.endNormally(2000));
        QVERIFY(first.running());
        QVERIFY(first.endNormally(5000));
    }

    void ofInstancesStartedTogetherExactlyOneRuns()
    {
        for (int round = 0; round < 20; ++round) {
            Program first;
            Program second;
            const char *undecided = "neither holds the segment nor says that another instance runs";
            QVERIFY2(first.waitUntilDecided(), undecided);
            QVERIFY2(second.waitUntilDecided(), undecided);
            QCOMPARE(int(first.saidAlreadyRunning()) + int(second.saidAlreadyRunning()), 1);
            QVERIFY(first.running() && second.running());
            QVERIFY(first.endNormally(5000));
            QVERIFY(second.endNormally(5000));
        }
    }

    void startAfterANormalEndOpensTheWindow()
    {
        {
            Program first;
            QVERIFY(first.waitUntilDecided());
            QVERIFY(first.endNormally(5000));
        }
        Program next;
        QVERIFY(next.waitUntilDecided());
        QVERIFY(!next.saidAlreadyRunning());
        QVERIFY(next.running());
        QVERIFY(next.endNormally(5000));
    }

    void startAfterAKillOpensTheWindow()
    {
        {
            Program first;
            QVERIFY(first.waitUntilDecided());
            first.process().kill();
            QVERIFY(first.process().waitForFinished());
        }
        Program next;
        QVERIFY(next.waitUntilDecided());
        QVERIFY(!next.saidAlreadyRunning());
        QVERIFY(next.running());

        Program another;
        QVERIFY(another.waitUntilDecided());
        QVERIFY(another.saidAlreadyRunning());
        QVERIFY(another.endNormally(2000));
        QVERIFY(next.endNormally(5000));
    }
};

TALVO_TEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
