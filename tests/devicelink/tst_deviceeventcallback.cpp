#include "appinfo.h"
#include "deviceeventcallback.h"
#include "devicelinktest.h"
#include "hubprobe.h"
#include "registrystore.h"
#include "testenvironment.h"

#include <QThread>

using namespace DeviceLinkTest;

namespace {

// Delivers one event the way the library does: from a thread of its own.
void deliver(int event, int status, int subCommand, const QByteArray &payload, int headerLength = 8)
{
    QByteArray header(8, '\0');
    header[1] = char(event);
    header[3] = char(status);
    header[4] = char(subCommand);
    QThread *library = QThread::create([=] {
        deviceEventCallback(reinterpret_cast<const unsigned char *>(header.constData()), headerLength,
                            reinterpret_cast<const unsigned char *>(payload.constData()), payload.size());
    });
    library->start();
    QTRY_VERIFY(library->isFinished());
    library->wait();
    delete library;
}

QString versionKey()
{
    return "HKEY_CURRENT_USER\\Software\\" + appName + "\\" + appName + "\\Mouse Drive Test";
}

// Every key's sequence and macro bytes set, so a reset shows which survive.
QByteArray recordWithKeySlotsFilled()
{
    QByteArray record = HidUsbSim::storedConfiguration("Mouse1", 0);
    for (int offset = 124; offset < 956 + 10 * 592; ++offset)
        record[offset] = char(0x40 + offset % 7);
    return record;
}

} // namespace

class tst_DeviceEventCallback : public QObject
{
    Q_OBJECT

private:
    HubProbe *m_probe = nullptr;

    // The worker's state once it opened the link to the default receiver:
    // the library answers requests with this very callback.
    void openLink(const DeviceAllInfo &device = chosenReceiver())
    {
        CurrentDevice.set(device);
        CurrentDevicePath.set(device.path.toLatin1());
        UsbServerC_Start(receiverPath().constData(), receiverPath().constData(), deviceEventCallback);
    }

    void waitUntilQuiet()
    {
        QTRY_VERIFY(HidUsbSim::isIdle());
        QCoreApplication::processEvents();
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
    }

    // First: the clock of forced re-reads has not run yet.
    void twoReReadRequestsWithin3000msGiveOneRead()
    {
        const QByteArray reRead("\0\0\1\0\0\0\0", 7);
        deliver(10, 0, 0, reRead);
        QVERIFY(g_forceFullRead && g_offlineDialogShown);
        g_forceFullRead = false;
        g_offlineDialogShown = false;
        deliver(10, 0, 0, reRead);
        QVERIFY(!g_forceFullRead && !g_offlineDialogShown);
    }

    void aFullReadPublishesTheRecordAndAsksForTheRest()
    {
        g_sensorUiApplied = true;
        g_buttonUiApplied = true;
        openLink();
        UsbServer_ReadAllFlashData();
        QTRY_COMPARE(m_probe->count("SigUpDataConfigUI"), 1);
        waitUntilQuiet();

        const QByteArray stored = HidUsbSim::storedConfiguration("Mouse1", 0);
        QCOMPARE(bytesOf(DeviceProtocolData.get()), stored);
        QVERIFY(g_deviceRecordLoaded);
        QVERIFY(!g_sensorUiApplied && !g_buttonUiApplied);
        QCOMPARE(deviceCacheName.get(), QString("Device_CID23_MID01.bin"));
        QCOMPARE(m_probe->seen.mid(0, 4),
                 (QStringList{"SigUpDataLightUIButton", "SigUpDataLightLight", "SigUpDataLightSensor", "SigForm"}));
        QVERIFY(m_probe->seen.contains("SigUpDataDPILed"));
        QVERIFY(m_probe->seen.contains("SigBattery(0,80,1)"));
        QVERIFY(m_probe->seen.contains("SigSetver(0)"));
        QVERIFY(m_probe->seen.contains("SigUpDataConfigUI(4,0,1)"));
        QCOMPARE(m_probe->count("SigLongRangeMode"), 0); // the receiver's mode is off
        QCOMPARE(m_probe->count("SigRGBValue"), 0);      // only the 4000 Hz class has it

        QStringList requests;
        for (const QString &call : HidUsbSim::callLog()) {
            if (call.startsWith("UsbServer_Read") || call.startsWith("UsbFinderC_GetLongRangeMode")
                || call == "ProtocolDataUpdate")
                requests.append(call.section('(', 0, 0));
        }
        QCOMPARE(requests.mid(0, 7), (QStringList{"UsbServer_ReadAllFlashData", "UsbServer_ReadDPILed",
                                                  "UsbServer_ReadBatteryLevel", "UsbServer_ReadVersion",
                                                  "UsbServer_ReadConfig", "UsbFinderC_GetLongRangeMode",
                                                  "ProtocolDataUpdate"}));
        QCOMPARE(CurrentDevice.get().mouseVersion, QString("v2.13"));
        QCOMPARE(RegistryStore::instance()->value(versionKey(), "MouseVer351").toString(), QString("v2.13"));
    }

    void aReceiverOfThe4000HzClassReportsItsLightAndLongRange()
    {
        QVERIFY(loadScenario("[Receiver1]\nKind=1\nPid=0x5A14\nMouse=Mouse1\nLongRange=1\nLightMode=3\n"
                             "[Mouse1]\nCid=35\nMid=1\n"));
        DeviceAllInfo device = chosenReceiver();
        device.path = QString::fromLatin1(receiverPath());
        device.kind = 1;
        openLink(device);
        UsbServer_ReadAllFlashData();
        QTRY_COMPARE(m_probe->count("SigForm"), 1);
        QCOMPARE(m_probe->seen.mid(0, 2), (QStringList{"SigRGBValue(3)", "SigLongRangeMode(1)"}));
        QCOMPARE(int(g_dongleRgb.bytes[0]), 3);
        waitUntilQuiet();
    }

    void repliesOfTheWrongLengthOrStatusAreDropped()
    {
        openLink();
        const FlashDataMap before = DeviceProtocolData.get();
        deliver(8, 0, 0, QByteArray(6911, '\1'));
        deliver(8, 0, 0, QByteArray(6913, '\1'));
        deliver(8, 1, 0, QByteArray(1, '\x20'));
        deliver(8, 1, 0, QByteArray(6912, '\1'));
        deliver(8, 0, 4, QByteArray(2, '\1'));
        deliver(8, 0, 4, QByteArray(1, '\x08')); // no ninth level
        deliver(8, 0, 0x4C, QByteArray(7, '\1'));
        deliver(8, 0, 0xA0, QByteArray(10, '\1'));
        deliver(4, 0, 0, QByteArray(1, '\x50'));
        deliver(10, 0, 0, QByteArray(6, '\1'));
        deliver(23, 0, 0, QByteArray(9, '\0'));
        deliver(8, 0, 0, QByteArray(1, '\x20'), 4); // sub-command beyond the header reads 0
        QCOMPARE(m_probe->seen, (QStringList{"SigUpDataReportRate(32)"}));
        QCOMPARE(int(DeviceProtocolData.get().ReportRate), 32);
        QCOMPARE(bytesOf(DeviceProtocolData.get()).mid(1), bytesOf(before).mid(1));
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 0); // nothing read yet: nothing written
        QCOMPARE(HidUsbSim::callCount("UsbServer_ReadBatteryLevel"), 0);

        deliver(14, 0, 0, QByteArray(2, '\0'));
        deliver(14, 0, 0, QByteArray(1, '\2'));
        QCOMPARE(m_probe->seen.mid(1), (QStringList{"SigUpDataConfigUI(0,0,0)", "SigUpDataConfigUI(4,2,1)"}));
    }

    void aCabledMouseReportsNoRateAbove15()
    {
        openLink();
        g_deviceRecordLoaded = true;
        DeviceAllInfo cabled = chosenReceiver();
        cabled.kind = 3;
        cabled.isWired = true;
        CurrentDevice.set(cabled);
        deliver(8, 0, 0, QByteArray(1, '\x20'));
        QCOMPARE(int(DeviceProtocolData.get().ReportRate), 0);
        deliver(8, 0, 0, QByteArray(1, '\x08'));
        QCOMPARE(int(DeviceProtocolData.get().ReportRate), 8);

        CurrentDevice.set(chosenReceiver());
        deliver(8, 0, 0, QByteArray(1, '\x20'));
        deliver(8, 0, 4, QByteArray(1, '\x03'));
        QCOMPARE(int(DeviceProtocolData.get().ReportRate), 32);
        QCOMPARE(int(DeviceProtocolData.get().CurrentDPIGrade), 3);
        QCOMPARE(m_probe->seen, (QStringList{"SigUpDataReportRate(8)", "SigUpDataReportRate(32)", "SigUpDataDPI(3)"}));
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 3);
    }

    void batteryStatusAndLightReplies()
    {
        openLink();
        deliver(4, 0, 0, QByteArray("\x2A\x01", 2));
        deliver(8, 0, 0x4C, QByteArray("\x02\x1E\x03\x01\0\0\0\0", 8));
        deliver(8, 0, 0xA0, QByteArray("\x05\x0A\x0B\x0C\x06\x07\x01\0\0", 9));
        deliver(21, 0, 0, QByteArray());
        deliver(23, 0, 0, QByteArray(10, '\0'));
        QCOMPARE(m_probe->seen.at(0), QString("SigBattery(1,42,1)"));
        QCOMPARE(bytesOf(DeviceProtocolData.get()).mid(63, 11), QByteArray("\x02\x1E\x03\x01\x05\x0A\x0B\x0C\x06\x07\x01", 11));
        QCOMPARE(m_probe->lastRecordSignal, QString("SigUpDataLightLight"));
        QCOMPARE(int(m_probe->lastRecord.LightEnable), 1);
        QCOMPARE(m_probe->seen.mid(3), (QStringList{"SigRGBValue(0)", "SigLongRangeMode(0)"}));

        deliver(10, 0, 0, QByteArray("\1\1\0\1\0\1\1", 7));
        QStringList asked;
        for (const QString &call : HidUsbSim::callLog()) {
            if (call.startsWith("UsbServer_Read"))
                asked.append(call);
        }
        QCOMPARE(asked, (QStringList{"UsbServer_ReadCurrentDPI", "UsbServer_ReadReportRate", "UsbServer_ReadBatteryLevel",
                                     "UsbServer_ReadLedBar", "UsbServer_ReadDPILed"}));
        waitUntilQuiet();
    }

    void aResetKeepsExactlyTheKeysConfigIniMarks_data()
    {
        QTest::addColumn<int>("driveIndex");
        QTest::addColumn<QList<int>>("kept");
        QTest::newRow("model 1: none") << 0 << QList<int>{};
        QTest::newRow("model 2: key 5") << 1 << QList<int>{5};
    }

    void aResetKeepsExactlyTheKeysConfigIniMarks()
    {
        QFETCH(int, driveIndex);
        QFETCH(QList<int>, kept);
        DeviceAllInfo device = chosenReceiver();
        device.driveIndex = driveIndex;
        openLink(device);
        const QByteArray filled = recordWithKeySlotsFilled();
        QCOMPARE(ProtocolDataUpdate(reinterpret_cast<const unsigned char *>(filled.constData())), 1);
        HidUsbSim::clearCallLog();

        deliver(9, 0, 0, QByteArray());
        QTRY_COMPARE(m_probe->count("SigForm"), 1);
        waitUntilQuiet();

        const FlashDataMap record = DeviceProtocolData.get();
        for (int key = 0; key < 16; ++key) {
            const bool keep = kept.contains(key);
            const QByteArray data(reinterpret_cast<const char *>(&record.KeyDatas[key]), 52);
            const QByteArray macro(reinterpret_cast<const char *>(&record.KeyMacros[key]), 592);
            QCOMPARE(data == QByteArray(52, '\0'), !keep);
            if (key < 10)
                QCOMPARE(macro == QByteArray(592, '\0'), !keep);
        }
        QCOMPARE(bytesOf(record).left(122), filled.left(122));
        QCOMPARE(HidUsbSim::storedConfiguration("Mouse1", 0), bytesOf(record)); // written back
        QVERIFY(!g_clearKeySlotsAfterReset && !g_skipReceiverReadAfterReset);
        QCOMPARE(HidUsbSim::callCount("UsbServer_SetBatteryOptimizeEnable(1)"), 1);
        QCOMPARE(HidUsbSim::callCount("UsbFinderC_GetLongRangeMode"), 0); // not after a reset
        // Model 1 configures long range off ("Adveanced" 0,2); model 2 has none.
        QCOMPARE(m_probe->count("SigLongRangeMode"), driveIndex == 0 ? 1 : 0);
    }

    void versionTextsAndTheUnknownVersion()
    {
        openLink();
        deliver(18, 0, 0, QByteArray());
        QCOMPARE(CurrentDevice.get().mouseVersion, QString("v2.13"));

        RegistryStore::instance()->remove(versionKey(), "MouseVer351");
        HidUsbSim::setMousePower("Mouse1", false); // the library answers 0
        deliver(18, 0, 0, QByteArray());
        QCOMPARE(CurrentDevice.get().mouseVersion, QString());
        QVERIFY(!RegistryStore::instance()->value(versionKey(), "MouseVer351").isValid());
        QTRY_COMPARE(m_probe->count("SigSetver(0)"), 2); // queued from the library's thread

        // The whole value is shifted, not only its low 16 bits.
        QVERIFY(loadScenario("[Receiver1]\nKind=5\nPid=0x5A18\nMouse=Mouse1\n[Mouse1]\nCid=35\nMid=1\nVersion=0x10213\n"));
        openLink();
        deliver(18, 0, 0, QByteArray());
        QCOMPARE(CurrentDevice.get().mouseVersion, QString("v258.13"));
    }
};

TALVO_TEST_GUILESS_MAIN(tst_DeviceEventCallback)
#include "tst_deviceeventcallback.moc"
