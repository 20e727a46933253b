// The firmware update the settings page runs, end to end on the simulated
// devices: a receiver and its mouse on the cable offered newer images,
// updated from the update button, and what is left when an upgrade goes
// wrong. Also which devices and records let an update start.

#include "configinistore.h"
#include "deviceidentification.h"
#include "devicelinktest.h"
#include "devicepagediscovery.h"
#include "deviceregistry.h"
#include "firmwaretest.h"
#include "firmwareupdaterun.h"
#include "formsetting.h"
#include "languagetables.h"
#include "postmsg.h"
#include "registrystore.h"
#include "samplefirmwareimage.h"
#include "shelltest.h"
#include "startup.h"
#include "testenvironment.h"
#include "updatereadiness.h"
#include "updaterepair.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

using namespace DeviceLinkTest;
using namespace FirmwareTest;

namespace {

QStringList fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromLatin1(file.readAll()).split('\n');
}

// Each entry is "mouse" or "receiver", then the model id; a receiver's
// entry may add its kind.
QList<DeviceAllInfo> listedDevices(const QStringList &entries)
{
    QList<DeviceAllInfo> devices;
    for (const QString &entry : entries) {
        const QStringList fields = entry.split(':');
        DeviceAllInfo device;
        device.isWired = fields.at(0) == "mouse";
        device.cid = 35;
        device.mid = std::uint8_t(fields.at(1).toInt());
        device.kind = std::uint8_t(device.isWired ? 3 : fields.value(2, "5").toInt());
        device.receiverId = QByteArray("\x12\x34\x56", 3);
        device.path = device.isWired ? QString::fromLatin1(HidUsbSim::cablePath("Mouse1"))
                                     : QString::fromLatin1(HidUsbSim::receiverPath("Receiver1"));
        device.version = device.isWired ? QString() : QStringLiteral("v1.5");
        devices.append(device);
    }
    return devices;
}

QString formText(int position)
{
    return languageText(LanguageSection::FormSetting, currentLanguageIndex, position);
}

} // namespace

class tst_FirmwareUpdate : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormSetting> m_page;

    // The page with the mouse on its cable chosen, the device page
    // watching, and its timers quick.
    void openCabledMouse()
    {
        DeviceAllInfo mouse;
        mouse.path = QString::fromLatin1(HidUsbSim::cablePath("Mouse1"));
        mouse.cid = 35;
        mouse.mid = 1;
        mouse.kind = 3;
        mouse.isWired = true;
        mouse.online = true;
        mouse.mouseVersion = "v2.13";
        CurrentDevice.set(mouse);
        CurrentDevicePath.set(HidUsbSim::cablePath("Mouse1"));
        m_page = std::make_unique<FormSetting>();
        m_page->show(); // its skin is set when it first shows
        for (QTimer *timer : m_page->findChildren<QTimer *>())
            timer->setInterval(10);
        StartUsbChanged(usbHotplugCallback, 600);
        QTRY_COMPARE(WorkerDeviceList.size(), 2);
        m_page->SetVer(0);
    }

    static QString label(FormSetting *page, const char *name)
    {
        return page->findChild<QLabel *>(name)->text();
    }

    static void click(QWidget *window, const char *name)
    {
        window->findChild<QToolButton *>(name)->click();
    }

private slots:
    void initTestCase()
    {
        prepareDataFolder(); // as the program does at its start
        ShellTest::loadShippedLanguages();
    }

    void init()
    {
        resetAll();
        QDir(stateFolder()).removeRecursively();
        QDir(firmwareFolder()).removeRecursively();
        QFile::remove(updateLog());
        clearFirmwareFailure();
        g_mouseUpdateAvailable = false;
        g_receiverUpdateAvailable = false;
        QVERIFY(loadScenario(CabledMouseScenario));
        HidUsbSim::setUpgradeStepTime(5);
        writeImage("mouse.bin", 210, "MM", 0x0214);
        writeImage("receiver.bin", 211, "D8M", 0x0106);
    }

    void cleanup()
    {
        m_page.reset();
        if (g_repairDialog)
            g_repairDialog->hide();
        StopUsbChanged();
        WorkerDeviceList.clear();
    }

    void bothNewerImagesAreWrittenAndTheDevicesKeepThem()
    {
        openCabledMouse();
        QVERIFY(m_page->findChild<QToolButton *>("Receive_2")->styleSheet().contains("WaitUpdate.png"));
        QSignalSpy progress(PostMsg::instance(), SIGNAL(SigProgress(int,int)));

        click(m_page.get(), "Receive_2");
        QVERIFY(g_repairDialog->isVisible());
        click(g_repairDialog, "NewHong_2");
        // A device change or a settings update meanwhile leaves the run as it is.
        usbHotplugCallback();
        emit PostMsg::instance()->SigSetver(4);
        QVERIFY(m_page->findChild<FirmwareUpdateRun *>()->isRunning(FirmwareUpdateRun::Target::Receiver));
        QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().at(1).toInt() == 2, 20000);
        QTRY_VERIFY(!g_updateCheckBusy);

        // The receiver fills the bar's first half, the mouse the second;
        // only the last success tells the dialog.
        QList<int> percents;
        for (const QList<QVariant> &report : progress) {
            if (report.at(1).toInt() == 0)
                percents.append(report.at(0).toInt());
            else
                QCOMPARE(report.at(1).toInt(), 2);
        }
        QCOMPARE(percents, (QList<int>{0, 10, 20, 30, 40, 50, 50, 60, 70, 80, 90, 100}));
        QCOMPARE(g_repairDialog->findChild<QProgressBar *>("progressBar_2")->value(), 100);
        QCOMPARE(label(m_page.get(), "label_5"), QString("v1.6"));
        QCOMPARE(label(m_page.get(), "label_7"), QString("v2.14"));
        QCOMPARE(RegistryStore::instance()->value(mouseDriveTestKey(), "MouseVer351").toString(), QString("v2.14"));
        QVERIFY(firmwareFailureRecord().isEmpty());
        QVERIFY(g_hotplugEnabled);
        QVERIFY(!g_receiverUpdateAvailable && !g_mouseUpdateAvailable);

        click(g_repairDialog, "NewHong_2");
        QCOMPARE(m_page->findChild<QToolButton *>("Receive_2")->text(), formText(18));
        QVERIFY(loadScenario(CabledMouseScenario)); // the next run of the program
        QCOMPARE(receiverVersionWord(), 0x0106);
        QCOMPARE(UsbFinderC_GetVersion(HidUsbSim::cablePath("Mouse1").constData()), 0x0214);
    }

    void anUpgradeThatGoesWrongIsRecordedForTheRepair_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("touched");

        QTest::newRow("a failed write at 50 %") << int(HidUsbSim::UpgradeFault::FailAt) << 50 << true;
        QTest::newRow("unplugged at 40 %") << int(HidUsbSim::UpgradeFault::UnplugAt) << 40 << true;
        QTest::newRow("no answer from 20 %") << int(HidUsbSim::UpgradeFault::HangAt) << 20 << true;
        QTest::newRow("a refused start") << int(HidUsbSim::UpgradeFault::Refused) << 0 << false;
    }

    void anUpgradeThatGoesWrongIsRecordedForTheRepair()
    {
        QFETCH(int, fault);
        QFETCH(int, percent);
        QFETCH(bool, touched);
        openCabledMouse();
        HidUsbSim::setUpgradeFault(HidUsbSim::UpgradeFault(fault), percent);
        QSignalSpy progress(PostMsg::instance(), SIGNAL(SigProgress(int,int)));

        click(m_page.get(), "Receive_2");
        click(g_repairDialog, "NewHong_2");
        QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().at(1).toInt() == 1, 20000);
        QTRY_VERIFY(g_hotplugEnabled && !g_updateCheckBusy);
        QTest::qWait(50);

        // The failure shows, the dialog may close again, and the mouse,
        // which waits behind the receiver, is left alone.
        QCOMPARE(progress.last().at(1).toInt(), 1);
        QVERIFY(g_repairDialog->findChild<QToolButton *>("CloseButton")->isEnabled());
        QCOMPARE(UsbFinderC_GetVersion(HidUsbSim::cablePath("Mouse1").constData()), 0x0213);
        QCOMPARE(HidUsbSim::bootMode("Receiver1"), touched);
        QCOMPARE(firmwareFailureRecord(), touched ? QString("211,8,35,1") : QString());
        const QStringList log = fileLines(updateLog());
        QCOMPARE(log.size(), touched ? 9 : 0); // eight lines and the end of the last
        if (touched) {
            QVERIFY(log.first().startsWith("image 211"));
            QVERIFY(log.at(7).isEmpty()); // a line the library left null
        }
        QCOMPARE(label(m_page.get(), "label_7"), QString("v2.13"));
    }

    // Whatever ends the program while the receiver is written (a quit, a
    // kill, a power cut) leaves it waiting for its image: the record that
    // offers the repair at the next start stands from the write's start.
    void anUpgradeCutShortLeavesItsRepair()
    {
        openCabledMouse();
        HidUsbSim::setUpgradeStepTime(100);
        click(m_page.get(), "Receive_2");
        click(g_repairDialog, "NewHong_2");
        QTRY_VERIFY(HidUsbSim::bootMode("Receiver1"));
        m_page.reset();
        QCOMPARE(firmwareFailureRecord(), QString("211,8,35,1"));
        QTRY_VERIFY_WITH_TIMEOUT(!HidUsbSim::bootMode("Receiver1"), 5000); // the simulated write goes on
    }

    void aStartThatStartsNothingSaysWhyAndTheDialogCloses_data()
    {
        QTest::addColumn<QStringList>("listed"); // by the device page when Start is pressed
        QTest::addColumn<int>("message");        // the page's text position, 18 when the images are gone
        QTest::newRow("the receiver gone") << QStringList{"mouse:1"} << 15;
        QTest::newRow("two receivers") << QStringList{"mouse:1", "receiver:1", "receiver:1"} << 17;
        QTest::newRow("the images gone") << QStringList{"mouse:1", "receiver:1"} << 18;
    }

    void aStartThatStartsNothingSaysWhyAndTheDialogCloses()
    {
        QFETCH(QStringList, listed);
        QFETCH(int, message);
        openCabledMouse();
        click(m_page.get(), "Receive_2");
        StopUsbChanged();
        WorkerDeviceList = listedDevices(listed);
        if (message == 18)
            QDir(firmwareFolder()).removeRecursively();
        click(g_repairDialog, "NewHong_2");
        QTRY_COMPARE(g_repairDialog->findChild<QLabel *>("ToolText_2")->text(), formText(message));
        QVERIFY(g_repairDialog->findChild<QProgressBar *>("progressBar_2")->isHidden());
        QCOMPARE(HidUsbSim::callCount("UsbUpgrade_Start"), 0);
        QTest::keyClick(g_repairDialog, Qt::Key_Escape);
        QVERIFY(!g_repairDialog->isVisible());
    }

    void withoutNewerImagesTheButtonSaysUpToDate()
    {
        QDir(firmwareFolder()).removeRecursively();
        writeImage("mouse.bin", 210, "MM", 0x0213);
        writeImage("receiver.bin", 211, "D8M", 0x0105);
        openCabledMouse();
        QVERIFY(m_page->findChild<QToolButton *>("Receive_2")->styleSheet().contains("Confirm.png"));
        click(m_page.get(), "Receive_2");
        QVERIFY(!g_repairDialog->isVisible());
        QCOMPARE(m_page->findChild<QToolButton *>("Receive_2")->text(), formText(18));
        QCOMPARE(HidUsbSim::callCount("UsbUpgrade_Start"), 0);
    }

    void theDevicesAndTheRecordDecideWhetherAnUpdateCanStart_data()
    {
        QTest::addColumn<QStringList>("devices");
        QTest::addColumn<QString>("record");
        QTest::addColumn<bool>("receiverWaits"); // in boot mode for its image
        QTest::addColumn<int>("message");        // the page's text position, -1 for ready
        QTest::addColumn<int>("images");

        const QStringList pair{"mouse:1", "receiver:1"};
        QTest::newRow("nothing listed") << QStringList{} << "" << false << 25 << 0;
        QTest::newRow("a mouse and its receiver") << pair << "" << false << -1 << 2;
        QTest::newRow("two receivers") << QStringList{"receiver:1", "receiver:1"} << "" << false << 24 << 0;
        QTest::newRow("two models") << QStringList{"mouse:1", "receiver:2"} << "" << false << 23 << 0;
        QTest::newRow("three, two of them mice")
            << QStringList{"mouse:1", "mouse:1", "receiver:1"} << "" << false << 26 << 0;
        QTest::newRow("three, two of them receivers")
            << QStringList{"mouse:1", "receiver:1", "receiver:1"} << "" << false << 27 << 0;
        QTest::newRow("a mouse alone, nothing failed") << QStringList{"mouse:1"} << "" << false << 23 << 0;
        QTest::newRow("a receiver alone, nothing failed") << QStringList{"receiver:1"} << "" << false << 24 << 0;
        QTest::newRow("a failed receiver waiting, its mouse on the cable")
            << QStringList{"mouse:1"} << "211,8,35,1" << true << -1 << 2;
        QTest::newRow("a failed receiver without an image")
            << QStringList{"mouse:1"} << "211,4,35,1" << true << 18 << 0;
        QTest::newRow("a failed receiver not waiting")
            << QStringList{"mouse:1"} << "211,8,35,1" << false << 15 << 0;
        QTest::newRow("a failed receiver, the receiver listed instead")
            << QStringList{"receiver:1"} << "211,8,35,1" << true << 24 << 0;
        QTest::newRow("a failed mouse, the mouse on its cable")
            << QStringList{"mouse:1"} << "210,8,35,1" << false << 23 << 0;
        QTest::newRow("a record of three parts") << QStringList{"mouse:1"} << "211,8,35" << true << 23 << 0;
        QTest::newRow("a record of another kind") << QStringList{"mouse:1"} << "212,8,35,1" << true << 25 << 0;
        QTest::newRow("a record of another customer") << QStringList{"mouse:1"} << "211,8,36,1" << true << 25 << 0;
    }

    void theDevicesAndTheRecordDecideWhetherAnUpdateCanStart()
    {
        QFETCH(QStringList, devices);
        QFETCH(QString, record);
        QFETCH(bool, receiverWaits);
        QFETCH(int, message);
        QFETCH(int, images);
        DeviceAllInfo chosen;
        chosen.driveIndex = 0;
        CurrentDevice.set(chosen);
        WorkerDeviceList = listedDevices(devices);
        setFirmwareFailureRecord(record);
        HidUsbSim::setBootMode("Receiver1", receiverWaits);

        const UpdateReadiness readiness = UpdateReadiness::check("v1.5", "v2.13");
        QCOMPARE(readiness.ready, message < 0);
        QCOMPARE(readiness.message, message < 0 ? QString() : formText(message));
        QCOMPARE(readiness.imageCount, images);
    }
};

TALVO_TEST_MAIN(tst_FirmwareUpdate)
#include "tst_firmwareupdate.moc"
