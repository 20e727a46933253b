#include "testenvironment.h"

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include <csignal>

class tst_CrashHandler : public QObject
{
    Q_OBJECT

private slots:
    void crashLeavesOneDumpNamedAfterTheTime_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("signalName");
        QTest::addColumn<bool>("onMainThread");
        QTest::newRow("invalid write") << "segv" << int(SIGSEGV) << "SIGSEGV" << true;
        QTest::newRow("abort") << "abort" << int(SIGABRT) << "SIGABRT" << true;
        QTest::newRow("stack overflow on the worker thread") << "worker-overflow" << int(SIGSEGV) << "SIGSEGV" << false;
        QTest::newRow("stack overflow on the library's thread")
            << "library-overflow" << int(SIGSEGV) << "SIGSEGV" << false;
    }

    void crashLeavesOneDumpNamedAfterTheTime()
    {
        QFETCH(QString, how);
        QFETCH(int, signal);
        QFETCH(QString, signalName);
        QFETCH(bool, onMainThread);

        // The handler makes the last folder level itself.
        const QString folder = QDir::homePath() + "/dumps-" + how;
        QVERIFY(!QDir(folder).exists());

        QProcess probe;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Sanitizer runtimes would otherwise take these signals first.
        env.insert("ASAN_OPTIONS", "handle_segv=0:handle_abort=0:allow_user_segv_handler=1");
        env.insert("UBSAN_OPTIONS", "handle_segv=0:handle_abort=0");
        env.insert("TSAN_OPTIONS", "handle_segv=0:handle_abort=0");
        probe.setProcessEnvironment(env);
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        probe.start(QCoreApplication::applicationDirPath() + "/crashprobe", {folder, how});
        QVERIFY(probe.waitForStarted());
        const qint64 pid = probe.processId();
        QVERIFY(probe.waitForFinished(10000));
        const QDateTime after = QDateTime::currentDateTime().addSecs(1);

        QCOMPARE(probe.exitStatus(), QProcess::CrashExit);
        const QStringList dumps = QDir(folder).entryList(QDir::Files);
        QCOMPARE(dumps.size(), 1);
        const QRegularExpression name("^\\d{4}_\\d{2}_\\d{2}_\\d{2}_\\d{2}_\\d{2}\\.dmp$");
        QVERIFY2(name.match(dumps.first()).hasMatch(), qPrintable(dumps.first()));
        const QDateTime stamp =
            QDateTime::fromString(dumps.first().chopped(4), "yyyy_MM_dd_hh_mm_ss");
        QVERIFY(stamp >= before.addMSecs(-before.time().msec()));
        QVERIFY(stamp <= after);

        QFile dump(folder + '/' + dumps.first());
        QVERIFY(dump.open(QIODevice::ReadOnly));
        const QString report = QString::fromUtf8(dump.readAll());
        QVERIFY2(report.contains(QString("signal: %1 (%2)").arg(signal).arg(signalName)),
                 qPrintable(report));
        QVERIFY(report.contains(QString("process: %1\n").arg(pid)));
        QVERIFY(report.contains("thread: "));
        // The main thread's id is the process id.
        QCOMPARE(report.contains(QString("thread: %1\n").arg(pid)), onMainThread);
        QVERIFY(report.contains("backtrace:\n"));
        if (how == "segv")
            QVERIFY2(report.contains("fault address: 0x10\n"), qPrintable(report));
    }
};

TALVO_TEST_GUILESS_MAIN(tst_CrashHandler)
#include "tst_crashhandler.moc"
