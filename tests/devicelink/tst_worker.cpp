#include "devicecache.h"
#include "devicelinktest.h"
#include "hubprobe.h"
#include "postmsg.h"
#include "testenvironment.h"

using namespace DeviceLinkTest;

class tst_Worker : public QObject
{
    Q_OBJECT

private:
    HubProbe *m_probe = nullptr;
    Worker *m_worker = nullptr;

    void choose(const DeviceAllInfo &device)
    {
        emit PostMsg::instance()->SigSelectMouseInfo(device);
        m_worker->requestRun();
    }

private slots:
    void initTestCase()
    {
        m_probe = new HubProbe;
    }

    void init()
    {
        resetAll();
        m_probe->clear();
        m_worker = new Worker(nullptr);
        g_workerThread = m_worker;
        QCOMPARE(CurrentDevicePath.get(), QByteArray("a"));
    }

    void cleanup()
    {
        delete m_worker;
        QVERIFY(!g_workerThread);
    }

    void startedForTheDefaultDeviceTheWorkerReadsItsConfiguration()
    {
        choose(chosenReceiver());
        QTRY_COMPARE(m_probe->count("SigForm"), 1);
        QCOMPARE(m_probe->seen.mid(0, 4), (QStringList{"SigUpDataParam(0)", "SigUpDataLightUIButton",
                                                       "SigUpDataLightLight", "SigUpDataLightSensor"}));
        QCOMPARE(bytesOf(m_probe->lastRecord), HidUsbSim::storedConfiguration("Mouse1", 0));
        const QString path = QString::fromLatin1(receiverPath());
        QCOMPARE(HidUsbSim::callLog().mid(0, 4),
                 (QStringList{"UsbFinderC_GetDeviceOnLine(" + path + ")", "UsbFinderC_GetDeviceOnLine(" + path + ")",
                              "UsbServerC_Start(" + path + "," + path + ")", "UsbServer_SetPCDriverStatus(1)"}));
        QVERIFY(HidUsbSim::driverActive("Mouse1"));
        QVERIFY(CurrentDevice.get().online);
        QCOMPARE(g_selectedDeviceCacheName.get(), QString("Device_CID23_MID01.bin"));
        QTRY_VERIFY(HidUsbSim::isIdle());

        // The same device again, nothing changed: the link is not reopened.
        QTRY_VERIFY(m_worker->isIdle());
        m_worker->requestRun();
        QTRY_VERIFY(m_worker->isIdle());
        QCOMPARE(HidUsbSim::callCount("UsbServerC_Start"), 1);
        QCOMPARE(m_probe->count("SigUpDataParam"), 1);
    }

    void anOfflineDeviceShowsItsCacheThenIsReadWhenItReturns()
    {
        FlashDataMap cached = {};
        cached.ReportRate = 64;
        cached.KeyFunctions[0] = {1, 1, 0};
        saveDeviceConfigCache("Device_CID23_MID01.bin", cached);
        HidUsbSim::setMousePower("Mouse1", false);
        choose(chosenReceiver());
        QTRY_COMPARE(m_probe->count("SigForm"), 1);
        QCOMPARE(m_probe->seen, (QStringList{"SigUpDataLightUIButton", "SigUpDataLightLight", "SigUpDataLightSensor", "SigForm"}));
        QCOMPARE(int(m_probe->lastRecord.ReportRate), 64);
        QCOMPARE(int(DeviceProtocolData.get().ReportRate), 0); // the cache reaches the pages only
        QVERIFY(!g_deviceRecordLoaded);
        QVERIFY(g_offlineSeen);
        QVERIFY(!CurrentDevice.get().online);
        QTRY_COMPARE(HidUsbSim::callCount("UsbServerC_Start"), 1); // the link opens all the same

        // No offline dialog was shown: the device is read anyway when it is back.
        m_probe->clear();
        HidUsbSim::setMousePower("Mouse1", true);
        QTRY_VERIFY_WITH_TIMEOUT(m_probe->count("SigForm") == 1, 5000);
        QCOMPARE(m_probe->seen.mid(0, 2), (QStringList{"SigCloseOffOnline", "SigUpDataParam(0)"}));
        QCOMPARE(bytesOf(m_probe->lastRecord), HidUsbSim::storedConfiguration("Mouse1", 0));
        QVERIFY(g_deviceRecordLoaded);
        QVERIFY(!g_offlineSeen);
        QTRY_VERIFY(HidUsbSim::isIdle());
    }

    void anOfflineDeviceWithoutCacheResetsThePages()
    {
        QFile::remove(deviceCachePath("Device_CID23_MID01.bin"));
        HidUsbSim::setMousePower("Mouse1", false);
        choose(chosenReceiver());
        QTRY_COMPARE(m_probe->count("SigFormReset"), 1);
        QCOMPARE(m_probe->seen, QStringList{"SigFormReset"});
    }

    void nothingOpensWhileTheSelectionPageShows()
    {
        g_devicePageState = 0;
        choose(chosenReceiver());
        QTRY_VERIFY(m_worker->isIdle());
        QCOMPARE(HidUsbSim::callCount("UsbServerC_Start"), 0);
        QVERIFY(m_probe->seen.isEmpty());
    }

    void aDeviceThatAsksForAReReadIsReadAgain()
    {
        choose(chosenReceiver());
        QTRY_COMPARE(m_probe->count("SigForm"), 1);
        QTRY_VERIFY(HidUsbSim::isIdle());
        QTest::qWait(3000); // forced re-reads come at most every 3000 ms
        m_probe->clear();
        HidUsbSim::requestReRead("Mouse1");
        HidUsbSim::requestReRead("Mouse1");
        QTRY_VERIFY_WITH_TIMEOUT(m_probe->count("SigForm") == 1, 5000);
        QCOMPARE(m_probe->seen.first(), QString("SigUpDataParam(1)"));
        QTest::qWait(1500);
        QCOMPARE(m_probe->count("SigUpDataParam"), 1);
        QCOMPARE(HidUsbSim::callCount("UsbServer_ReadAllFlashData"), 2);
    }

    // Requests that cross the device going and coming back, some made as a
    // run ends: the GUI thread must never wait for a run that waits for it.
    void runRequestsCrossingOfflineAndOnlineNeverHang()
    {
        saveDeviceConfigCache("Device_CID23_MID01.bin", FlashDataMap{});
        DeviceAllInfo device = chosenReceiver();
        QElapsedTimer clock;
        clock.start();
        for (int round = 0; round < 300; ++round) {
            HidUsbSim::setMousePower("Mouse1", round % 3 != 0);
            // Another kind each time, so that every run opens the link.
            device.kind = round % 2 == 0 ? 5 : 4;
            emit PostMsg::instance()->SigSelectMouseInfo(device);
            m_worker->SlotCheckOnline();
            m_worker->requestRun();
            // Without handling events, so that a run may end before the next request.
            QThread::usleep((round % 5) * 200);
            m_worker->requestRun();
            QCoreApplication::processEvents();
        }
        HidUsbSim::setMousePower("Mouse1", true);
        QTRY_VERIFY_WITH_TIMEOUT(m_worker->isIdle() && HidUsbSim::isIdle(), 20000);
        QVERIFY(clock.elapsed() < 60000);
        QVERIFY(m_probe->count("SigForm") > 0);
    }

    void destroyingTheWorkerDuringARunDoesNotHang()
    {
        saveDeviceConfigCache("Device_CID23_MID01.bin", FlashDataMap{});
        HidUsbSim::setMousePower("Mouse1", false);
        choose(chosenReceiver()); // the run waits for the pages' slots on this thread
        delete m_worker;
        m_worker = nullptr;
        QVERIFY(!g_workerThread);
        m_worker = new Worker(nullptr);
        g_workerThread = m_worker;
    }
};

TALVO_TEST_GUILESS_MAIN(tst_Worker)
#include "tst_worker.moc"
