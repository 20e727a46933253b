#include "devicecache.h"
#include "deviceeventcallback.h"
#include "devicelinktest.h"
#include "hubprobe.h"
#include "inportfail.h"
#include "pipewatch.h"
#include "profileimport.h"
#include "shelltest.h"
#include "testenvironment.h"
#include "updataparam.h"

#include <QBuffer>
#include <QDataStream>
#include <QElapsedTimer>
#include <QLabel>

#include <memory>

using namespace DeviceLinkTest;
using namespace ShellTest;

namespace {

const QString CacheName = QStringLiteral("Device_CID23_MID01.bin");

QByteArray profile(const QByteArray &marker, const QByteArray &sensor, const QByteArray &record)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.writeBytes(marker.constData(), uint(marker.size()));
    stream.writeBytes(sensor.constData(), uint(sensor.size()));
    stream.writeBytes(record.constData(), uint(record.size()));
    return bytes;
}

QByteArray recordWithLevels(int levels, int size = int(sizeof(FlashDataMap)))
{
    QByteArray record(size, '\x11');
    record[1] = char(levels);
    return record;
}

int read(const QByteArray &file, FlashDataMap *record, const QString &sensor = "3950", int levels = 8)
{
    QByteArray bytes = file;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readProfile(&buffer, sensor, levels, record);
}

QString writeFile(const QByteArray &bytes)
{
    const QString path = QDir::homePath() + "/profile.bin";
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    return path;
}

} // namespace

class tst_UpDataParam : public QObject
{
    Q_OBJECT

private:
    HubProbe *m_probe = nullptr;

private slots:
    void initTestCase()
    {
        loadShippedLanguages();
        m_probe = makeWindowProbe();
    }

    void init()
    {
        resetAll();
        CurrentDevice.set(chosenReceiver());
        CurrentDevicePath.set(receiverPath());
        g_selectedDeviceCacheName.set(CacheName);
        deviceCacheName.set(CacheName);
        QFile::remove(deviceCachePath(CacheName));
        g_deviceDataReady = true;
        g_sensorUiApplied = false;
        g_buttonUiApplied = false;
        g_updataParamMode = 0;
        g_importResult = 0;
        m_probe->clear();
    }

    void aProfileIsCheckedAgainstTheModel()
    {
        FlashDataMap record = {};
        QCOMPARE(read(profile("Dedid", "3950", recordWithLevels(8)), &record), int(ProfileAccepted));
        QCOMPARE(int(record.DPIGradeCount), 8);
        QCOMPARE(int(record.ReportRate), 0x11);
        QCOMPARE(read(profile(QByteArray("Dedid\0junk", 10), "3950\0", recordWithLevels(2)), &record),
                 int(ProfileAccepted));

        const FlashDataMap before = record;
        QCOMPARE(read(profile("Dedix", "3950", recordWithLevels(2)), &record), int(ProfileUnreadable));
        QCOMPARE(read(profile("Dedid", "3395", recordWithLevels(2)), &record), int(ProfileForAnotherModel));
        QCOMPARE(read(profile("Dedid", "3950", recordWithLevels(8)), &record, "3950", 5), int(ProfileForAnotherModel));
        QCOMPARE(read(profile("Dedid", "3950", recordWithLevels(1)), &record, "3950", 0), int(ProfileForAnotherModel));
        // Nothing but the file's own bytes reaches the device.
        QCOMPARE(read(profile("Dedid", "3950", recordWithLevels(2, 100)), &record), int(ProfileUnreadable));
        QCOMPARE(read(profile("Dedid", "3950", QByteArray()).left(20), &record), int(ProfileUnreadable));
        QCOMPARE(bytesOf(record), bytesOf(before));

        QCOMPARE(read(profile("Dedid", "3950", recordWithLevels(3, 11000)), &record), int(ProfileAccepted));
        QCOMPARE(int(record.DPIGradeCount), 3);
        QCOMPARE(importProfileFile(QDir::homePath() + "/missing.bin", &record), int(ProfileUnreadable));
    }

    void anAcceptedImportGoesToTheDeviceAndThePages()
    {
        UpDataParam wait;
        wait.importMode = true;
        wait.filePath = writeFile(profile("Dedid", "3950", recordWithLevels(4)));
        QSignalSpy buttons(PostMsg::instance(), SIGNAL(SigUpDataButtonUIC(FlashDataMap)));
        QSignalSpy settings(PostMsg::instance(), SIGNAL(SigFormB()));
        wait.onTimeupDestroy();
        QCOMPARE(g_importResult, 0);
        QCOMPARE(bytesOf(DeviceProtocolData.get()), recordWithLevels(4));
        QVERIFY(g_deviceRecordLoaded);
        QVERIFY(HidUsbSim::callLog().contains("ProtocolDataUpdate"));
        QCOMPARE(buttons.count(), 1);
        QCOMPARE(settings.count(), 1);
        QVERIFY(!wait.importMode);
        QCOMPARE(m_probe->count("SigSetver(4)"), 1);
    }

    // A pipe chosen in the file's place is not waited for.
    void aRefusedImportSaysWhyAndSendsNothing_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("result");
        QTest::newRow("made for another model") << profile("Dedid", "3395", recordWithLevels(4)) << 2;
        QTest::newRow("a pipe") << QByteArray("pipe") << 1;
    }

    void aRefusedImportSaysWhyAndSendsNothing()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, result);
        UpDataParam wait;
        wait.importMode = true;
        QFile::remove(QDir::homePath() + "/profile.bin");
        std::unique_ptr<PipeWatch> pipe;
        if (file == "pipe")
            pipe = std::make_unique<PipeWatch>(QDir::homePath() + "/profile.bin");
        wait.filePath = pipe ? QDir::homePath() + "/profile.bin" : writeFile(file);
        QString message;
        ModalCloser closer([&message](QWidget *dialog) {
            message = dialog->findChild<QLabel *>("label")->text();
            return true;
        });
        wait.onTimeupDestroy();
        QVERIFY(!pipe || !pipe->readerWaited());
        QCOMPARE(closer.seen, QStringList({"InportFail"}));
        QCOMPARE(g_importResult, result);
        QCOMPARE(message, languageText(LanguageSection::InportFail, 0, result - 1));
        QVERIFY(!HidUsbSim::callLog().contains("ProtocolDataUpdate"));
        QVERIFY(!wait.importMode);
    }

    void withoutDeviceDataTheCacheShowsAndTheDeviceIsReportedOffline()
    {
        FlashDataMap cached = {};
        cached.DebounceTime = 5;
        saveDeviceConfigCache(CacheName, cached);
        g_deviceDataReady = false;
        QSignalSpy sensor(PostMsg::instance(), SIGNAL(SigUpDataSensorUIB(FlashDataMap)));
        UpDataParam wait;
        wait.onTimeupDestroy();
        QCOMPARE(sensor.count(), 1);
        QCOMPARE(int(sensor.first().first().value<FlashDataMap>().DebounceTime), 5);
        QCOMPARE(m_probe->count("SigMouseOffLineo(0)"), 1);
    }

    void pagesThatAppliedTheReadCloseTheWaitAndTheFirstCacheIsKept()
    {
        g_sensorUiApplied = true;
        g_buttonUiApplied = true;
        g_workerConnected = true;
        g_deviceRecordLoaded = true;
        FlashDataMap record = {};
        record.DebounceTime = 7;
        DeviceProtocolData.set(record);
        UpDataParam wait;
        QElapsedTimer clock;
        clock.start();
        wait.onTimeupDestroy();
        QVERIFY(clock.elapsed() < 400);
        QVERIFY(!g_sensorUiApplied && !g_buttonUiApplied);
        QCOMPARE(m_probe->count("SigMouseOffLineo"), 0);
        FlashDataMap cached;
        QVERIFY(loadDeviceConfigCache(CacheName, &cached));
        QCOMPARE(int(cached.DebounceTime), 7);

        // An existing cache is not written again.
        record.DebounceTime = 3;
        DeviceProtocolData.set(record);
        g_sensorUiApplied = true;
        g_buttonUiApplied = true;
        wait.onTimeupDestroy();
        QVERIFY(loadDeviceConfigCache(CacheName, &cached));
        QCOMPARE(int(cached.DebounceTime), 7);
    }

    void pagesThatNeverAnswerEndInTheTimeoutMessage()
    {
        UpDataParam wait;
        QElapsedTimer clock;
        clock.start();
        wait.onTimeupDestroy();
        QVERIFY(clock.elapsed() >= 12 * 500 - 50);
        QCOMPARE(m_probe->count("SigMouseOffLineo(1)"), 1);
    }

    void theWaitModeLeavesTheFlagsAndHoldsTheWindowAWhile()
    {
        g_sensorUiApplied = true;
        g_buttonUiApplied = true;
        UpDataParam wait;
        wait.waitMode = true;
        QElapsedTimer clock;
        clock.start();
        wait.onTimeupDestroy();
        QVERIFY(clock.elapsed() >= 1950);
        QVERIFY(g_sensorUiApplied && g_buttonUiApplied);
        QVERIFY(!wait.waitMode);
        QCOMPARE(m_probe->count("SigMouseOffLineo"), 0);
    }

    void theLabelSaysWhatIsGoingOn()
    {
        UpDataParam update;
        QCOMPARE(update.findChild<QLabel *>("label")->text(), languageText(LanguageSection::UpDataParam, 0, 0));
        g_updataParamMode = 1;
        UpDataParam import;
        QCOMPARE(import.findChild<QLabel *>("label")->text(), languageText(LanguageSection::UpDataParam, 0, 1));
    }
};

TALVO_TEST_MAIN(tst_UpDataParam)
#include "tst_updataparam.moc"
