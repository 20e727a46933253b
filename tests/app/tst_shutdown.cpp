#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace {

const QString CacheFile = QStringLiteral("/Device_Info/Device_CID23_MID01.bin");

QString dataFolder()
{
    return QDir::homePath() + QStringLiteral("/AppData/Local/Talvo Lumerant 4K");
}

// What the probe printed: the library calls from the road on, then its notes.
QStringList runProbe(const QStringList &arguments, int *exitCode)
{
    QProcess probe;
    probe.start(QCoreApplication::applicationDirPath() + QStringLiteral("/shutdownprobe"), arguments);
    if (!probe.waitForFinished(60000) || probe.exitStatus() != QProcess::NormalExit) {
        probe.kill();
        probe.waitForFinished();
        *exitCode = -1;
        return QStringList();
    }
    *exitCode = probe.exitCode();
    return QString::fromLatin1(probe.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class tst_Shutdown : public QObject
{
    Q_OBJECT

private slots:
    void everyWayOutEndsTheSameWay_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<QString>("during");
        QTest::newRow("the frame's close button") << "close" << "";
        QTest::newRow("the tray's exit") << "tray" << "";
        QTest::newRow("SIGTERM") << "SIGTERM" << "";
        QTest::newRow("SIGHUP") << "SIGHUP" << "";
        QTest::newRow("SIGINT") << "SIGINT" << "";
        QTest::newRow("SIGTERM while the pairing dialog is open") << "SIGTERM" << "pairing";
        QTest::newRow("SIGTERM as the wait for a slow mouse runs out") << "SIGTERM" << "waiting";
        QTest::newRow("SIGTERM within a macro save's pause") << "SIGTERM" << "save";
    }

    // With a device open: the device hears that the tool is gone, its record
    // is cached once it was read, the hot-plug watch and the device server
    // stop and nothing starts again; the program exits with 0 at once,
    // showing nothing more and leaving no crash report, and the
    // single-instance segment goes only after the window. A macro saved just
    // before reaches its keys.
    void everyWayOutEndsTheSameWay()
    {
        QFETCH(QString, road);
        QFETCH(QString, during);
        QFile::remove(dataFolder() + CacheFile);
        int exitCode = 0;
        const QStringList printed = runProbe({road, QStringLiteral("device"), during}, &exitCode);
        QCOMPARE(exitCode, 0);
        const QString ended = printed.filter(QStringLiteral("ended ")).value(0);
        QVERIFY2(ended.section(' ', 1, 1).toInt() < 2000, qPrintable(ended));

        const QStringList link = printed.filter(QRegularExpression(
            QStringLiteral("^(UsbServer_SetPCDriverStatus|StopUsbChanged|StartUsbChanged|UsbServer|UsbServerC_Start)")));
        QCOMPARE(link.mid(0, 3), QStringList({"UsbServer_SetPCDriverStatus(0)", "StopUsbChanged", "UsbServer_Exit"}));
        for (const QString &call : link.mid(3))
            QVERIFY2(call == QLatin1String("UsbServer_Exit") || call == QLatin1String("StopUsbChanged"),
                     qPrintable(call));
        // Before its record was read, the device may have no cache yet.
        if (during != "waiting")
            QVERIFY(QFile::exists(dataFolder() + CacheFile));
        QVERIFY(QDir(dataFolder() + QStringLiteral("/Exception")).entryList({"*.dmp"}, QDir::Files).isEmpty());
        QVERIFY(printed.contains(QStringLiteral("segment held after the window: yes")));
        if (during == "save")
            QCOMPARE(printed.filter("macro steps").join(' '), "macro steps of key 2: 2 macro steps of key 3: 2");
    }
};

TALVO_TEST_GUILESS_MAIN(tst_Shutdown)
#include "tst_shutdown.moc"
