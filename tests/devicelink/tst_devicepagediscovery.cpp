#include "devicelinktest.h"
#include "devicepagediscovery.h"
#include "hubprobe.h"
#include "postmsg.h"
#include "testenvironment.h"

#include <QDir>

using namespace DeviceLinkTest;

class tst_DevicePageDiscovery : public QObject
{
    Q_OBJECT

private:
    HubProbe *m_probe = nullptr;
    Worker *m_worker = nullptr;

    // What choosing a tile and switching to the configuration frame do.
    void chooseAndOpen(const DeviceAllInfo &device)
    {
        emit PostMsg::instance()->SigSelectMouseInfo(device);
        StartUsbChanged(usbHotplugCallback, 600);
        m_worker->requestRun();
    }

    void waitUntilQuiet()
    {
        QTRY_VERIFY(HidUsbSim::isIdle());
        QTRY_VERIFY(m_worker->isIdle());
        QTest::qWait(20);
    }

private slots:
    void initTestCase()
    {
        m_probe = new HubProbe;
    }

    void init()
    {
        resetAll();
        m_worker = new Worker(nullptr);
        g_workerThread = m_worker;
        m_probe->clear();
    }

    void cleanup()
    {
        StopUsbChanged();
        delete m_worker;
    }

    void choosingTheReceiverBringsItsMouseConfigurationToThePages()
    {
        chooseAndOpen(chosenReceiver());
        QTRY_COMPARE(m_probe->count("SigForm"), 1);
        QCOMPARE(bytesOf(m_probe->lastRecord), HidUsbSim::storedConfiguration("Mouse1", 0));
        waitUntilQuiet();

        QCOMPARE(WorkerDeviceList.size(), 1);
        QCOMPARE(CurrentDevicePath.get(), receiverPath());
        const DeviceAllInfo current = CurrentDevice.get();
        QCOMPARE(current.receiverId, QByteArray("\x12\x34\x56", 3));
        QVERIFY(current.online && !current.isWired);
        QCOMPARE(current.mouseVersion, QString("v2.13")); // kept from the version reply
        QCOMPARE(m_probe->count("SigSetver(4)"), 1);
        QCOMPARE(m_probe->count("SigChangeMainDialog"), 0);
        QCOMPARE(m_probe->count("SigLabelTextB"), 0); // the firmware check is for cabled mice
    }

    void unpluggingTheChosenReceiverGoesBackToTheSelectionPage()
    {
        chooseAndOpen(chosenReceiver());
        QTRY_COMPARE(m_probe->count("SigForm"), 1);
        waitUntilQuiet();
        HidUsbSim::plugReceiver("Receiver1", false);
        QTRY_COMPARE(m_probe->count("SigChangeMainDialog(0)"), 1);
        QVERIFY(CurrentDevice.get().path.isEmpty());
        QVERIFY(!g_deviceRecordLoaded);
    }

    void duringAnUpgradeAVanishingDeviceIsExpectedAndNotLookedFor()
    {
        chooseAndOpen(chosenReceiver());
        QTRY_COMPARE(m_probe->count("SigForm"), 1);
        waitUntilQuiet();
        g_hotplugEnabled = false;
        HidUsbSim::plugReceiver("Receiver1", false);
        usbHotplugCallback(); // as the library calls it for the change
        QCOMPARE(m_probe->count("SigSetver(4)"), 1); // which would end the upgrade's run
        QCOMPARE(m_probe->count("SigChangeMainDialog"), 0);
        QCOMPARE(CurrentDevice.get().path, QString::fromLatin1(receiverPath()));
    }

    void theMouseOnItsCableTakesOverTheLink()
    {
        chooseAndOpen(chosenReceiver());
        QTRY_COMPARE(m_probe->count("SigForm"), 1);
        waitUntilQuiet();
        m_probe->clear();

        HidUsbSim::setMouseCable("Mouse1", true);
        QTRY_COMPARE(m_probe->count("SigForm"), 1);
        waitUntilQuiet();
        const QByteArray cable = HidUsbSim::cablePath("Mouse1");
        QCOMPARE(CurrentDevicePath.get(), cable);
        const DeviceAllInfo current = CurrentDevice.get();
        QVERIFY(current.isWired);
        QCOMPARE(int(current.kind), 3);
        QVERIFY(HidUsbSim::callLog().contains("UsbServerC_Start(" + cable + "," + cable + ")"));
        QCOMPARE(WorkerDeviceList.size(), 2);
        // With the receiver beside it, the firmware check uses the receiver's version.
        QVERIFY(m_probe->seen.contains("SigLabelTextB(v1.5,)"));
        QCOMPARE(m_probe->count("SigChangeMainDialog"), 0);
    }

    void anotherModelIsIgnoredWhileADeviceIsChosen()
    {
        const QString path = QDir::homePath() + "/two-models.ini";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Bus]\nLatency=0\nIdsReadyAfter=3\n"
                   "[Receiver1]\nKind=5\nPid=0x5A18\nMouse=Mouse1\n[Mouse1]\nCid=35\nMid=1\n"
                   "[Receiver2]\nKind=5\nPid=0x5A18\nId=1,2,3\nMouse=Mouse2\n[Mouse2]\nCid=35\nMid=2\n");
        file.close();
        QVERIFY(HidUsbSim::loadScenario(path));
        chooseAndOpen(chosenReceiver());
        QTRY_COMPARE(m_probe->count("SigForm"), 1);
        waitUntilQuiet();
        QCOMPARE(WorkerDeviceList.size(), 1);
        QCOMPARE(WorkerDeviceList.first().path, QString::fromLatin1(receiverPath()));
    }

    void theRepairDialogAsksForAnUpdateCheckUnlessOneRuns()
    {
        g_repairDialogVisible = true;
        StartUsbChanged(usbHotplugCallback, 600);
        QTRY_COMPARE(m_probe->count("SigCheckUpdate"), 1);
        g_updateCheckBusy = true;
        HidUsbSim::setMousePower("Mouse1", false);
        QTRY_COMPARE(m_probe->count("SigSetver(4)"), 2);
        QCOMPARE(m_probe->count("SigCheckUpdate"), 1);
        // Nothing was chosen: nothing is identified or left.
        QCOMPARE(WorkerDeviceList.size(), 1);
        QCOMPARE(m_probe->count("SigChangeMainDialog"), 0);
    }
};

TALVO_TEST_GUILESS_MAIN(tst_DevicePageDiscovery)
#include "tst_devicepagediscovery.moc"
