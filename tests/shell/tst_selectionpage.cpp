#include "configinistore.h"
#include "deviceidentification.h"
#include "devicelinktest.h"
#include "deviceregistry.h"
#include "devicetilegrid.h"
#include "dialogchange.h"
#include "founddevices.h"
#include "hubprobe.h"
#include "macroinistore.h"
#include "mytoolbuttonenter.h"
#include "registrystore.h"
#include "screendevices.h"
#include "selectiondiscovery.h"
#include "shelltest.h"
#include "testenvironment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QStackedWidget>

using namespace DeviceLinkTest;
using namespace ShellTest;

namespace {

QStringList paths(const QList<DeviceAllInfo> &devices)
{
    QStringList found;
    for (const DeviceAllInfo &device : devices)
        found.append(device.path);
    return found;
}

QString receiver(const char *name)
{
    return QString::fromLatin1(HidUsbSim::receiverPath(QLatin1String(name)));
}

QString cable(const char *name)
{
    return QString::fromLatin1(HidUsbSim::cablePath(QLatin1String(name)));
}

DeviceAllInfo deviceOf(int driveIndex, bool wired, std::uint8_t kind)
{
    DeviceAllInfo device;
    device.path = QStringLiteral("path-%1-%2-%3").arg(driveIndex).arg(wired).arg(kind);
    device.driveIndex = driveIndex;
    device.isWired = wired;
    device.kind = kind;
    return device;
}

// Four receivers of every class, each with its own mouse of the first model.
const QByteArray FourReceivers =
    "[Receiver1]\nKind=0\nPid=0x5A10\nId=1,1,1\nMouse=Mouse1\n[Mouse1]\nCid=35\nMid=1\n"
    "[Receiver2]\nKind=4\nPid=0x5A12\nId=2,2,2\nMouse=Mouse2\n[Mouse2]\nCid=35\nMid=1\n"
    "[Receiver3]\nKind=1\nPid=0x5A14\nId=3,3,3\nMouse=Mouse3\n[Mouse3]\nCid=35\nMid=1\n"
    "[Receiver4]\nKind=5\nPid=0x5A18\nId=4,4,4\nMouse=Mouse4\n[Mouse4]\nCid=35\nMid=1\n";

// The first model's mouse twice, through receivers of two classes; the one
// behind the 8000 Hz receiver sleeps.
const QByteArray TwinReceivers =
    "[Receiver1]\nKind=0\nPid=0x5A10\nId=1,1,1\nMouse=Mouse1\n[Mouse1]\nCid=35\nMid=1\n"
    "[Receiver2]\nKind=5\nPid=0x5A18\nId=2,2,2\nMouse=Mouse2\n[Mouse2]\nCid=35\nMid=1\nPower=false\n";

} // namespace

class tst_SelectionPage : public QObject
{
    Q_OBJECT

private:
    HubProbe *m_probe = nullptr;
    DialogChange *m_page = nullptr;

    template<typename Widget = QWidget>
    Widget *child(const QString &name) const
    {
        return m_page->findChild<Widget *>(name);
    }

    QStackedWidget *tileStack() const { return child<QStackedWidget>(QStringLiteral("stackedWidget")); }

    QString styleOf(const QString &name) const
    {
        QWidget *widget = child(name);
        return widget ? widget->styleSheet() : QString();
    }

    void openPage()
    {
        m_page = new DialogChange;
        QCoreApplication::processEvents();
    }

    // Lets the posted hot-plug calls run and the old tiles go.
    void settle()
    {
        QTest::qWait(50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void waitForDevices(int count)
    {
        QTRY_COMPARE(FoundDeviceList.size(), count);
        settle();
    }

private slots:
    void initTestCase()
    {
        loadShippedLanguages();
        m_probe = makeWindowProbe();
    }

    void init()
    {
        resetForWindows();
        currentLanguageIndex = 0;
        RegistryStore::instance()->remove(mouseDriveTestKey(), QStringLiteral("UpdateFailInfo"));
        m_probe->clear();
    }

    void cleanup()
    {
        StopUsbChanged();
        delete m_page;
        m_page = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void theDefaultReceiverShowsAsOneOnlineTileWithItsBadge()
    {
        openPage();
        waitForDevices(1);
        const DeviceAllInfo device = FoundDeviceList.first();
        QCOMPARE(device.path, QString::fromLatin1(receiverPath()));
        QCOMPARE(device.vid, QString("0x3F1A"));
        QCOMPARE(device.pid, QString("0x5A18"));
        QCOMPARE(device.version, QString("v1.5"));
        QCOMPARE(int(device.cid), 35);
        QCOMPARE(int(device.mid), 1);
        QCOMPARE(int(device.kind), 5);
        QCOMPARE(device.driveIndex, 0);
        QVERIFY(device.online && !device.isWired);
        QCOMPARE(device.receiverId, QByteArray("\x12\x34\x56", 3));
        QCOMPARE(paths(g_foundDeviceListB), paths(FoundDeviceList));
        // The receiver screen's clock looks for the same ids.
        QCOMPARE(screenVendorId.get(), QString("0x3F1A"));
        QCOMPARE(screenDeviceIds.get(), productIdsToEnumerate(configuredProductIdLists()));

        QCOMPARE(tileStack()->count(), 1);
        auto *tile = child<mytoolButtonEnter>("btn0");
        QVERIFY(tile);
        QCOMPARE(tile->geometry(), QRect(305, 0, 284, 360));
        QVERIFY(tile->styleSheet().contains("OnLine0.png"));
        QVERIFY(!child("UsbWifi0")->isHidden());
        QVERIFY(styleOf("UsbWifi0").contains("OnLineWifi.png"));
        QCOMPARE(child("UsbWifi0")->geometry(), QRect(530, 20, 32, 32));
        QVERIFY(child("label0")->isHidden());
        QVERIFY(styleOf("badge0").contains("8KHz.png"));
        QCOMPARE(child("badge0")->geometry(), QRect(312, 10, 42, 26));
        QVERIFY(child("label_2")->isHidden());
        QVERIFY(!child("label_3")->isHidden());
        QVERIFY(child("RightButton")->isHidden());
        QVERIFY(child("LeftButton")->isHidden());
    }

    void pluggingAndUnpluggingRebuildsTheTiles()
    {
        openPage();
        waitForDevices(1);
        QPointer<QWidget> oldTile = child("btn0");

        HidUsbSim::plugReceiver("Receiver1", false);
        waitForDevices(0);
        QVERIFY(oldTile.isNull());
        QCOMPARE(tileStack()->count(), 0);
        QVERIFY(!child("label_2")->isHidden());
        QVERIFY(child("label_3")->isHidden());
        QCOMPARE(child<QLabel>("label_2")->text(), languageText(LanguageSection::DialogChange, 0, 0));

        HidUsbSim::plugReceiver("Receiver1", true);
        waitForDevices(1);
        QVERIFY(child("btn0"));
        QVERIFY(child("label_2")->isHidden());
    }

    void aSleepingMouseShowsItsReceiverOffline()
    {
        HidUsbSim::setMousePower("Mouse1", false);
        openPage();
        waitForDevices(1);
        QVERIFY(!FoundDeviceList.first().online);
        QVERIFY(styleOf("btn0").contains("DisOnlin0.png"));
        auto *offline = child<QLabel>("label0");
        QVERIFY(!offline->isHidden());
        QVERIFY(child("UsbWifi0")->isHidden());
        QCOMPARE(offline->toolTip(), languageText(LanguageSection::DialogChange, 0, 5) + "\n"
                                         + languageText(LanguageSection::DialogChange, 0, 6));

        // The tooltip follows the language.
        m_page->SlotAllLanguage(1);
        QCOMPARE(offline->toolTip(), languageText(LanguageSection::DialogChange, 1, 5) + "\n"
                                         + languageText(LanguageSection::DialogChange, 1, 6));
        HidUsbSim::setMousePower("Mouse1", true);
        QTRY_VERIFY(styleOf("btn0").contains("OnLine0.png"));
    }

    void fourDevicesGiveTwoPagesAndTheArrowsTurnThem()
    {
        QVERIFY(loadScenario(FourReceivers));
        openPage();
        waitForDevices(4);
        QCOMPARE(tileStack()->count(), 2);
        QCOMPARE(tileStack()->currentIndex(), 0);
        QCOMPARE(child("btn0")->x(), 0);
        QCOMPARE(child("btn1")->x(), 300);
        QCOMPARE(child("btn2")->x(), 600);
        QCOMPARE(child("btn3")->x(), 305);
        QCOMPARE(child("btn3")->parentWidget(), tileStack()->widget(1));
        QStringList badges;
        for (int index = 0; index < 4; ++index)
            badges << styleOf(QStringLiteral("badge%1").arg(index)).section("DialogChange/", 1).left(4);
        QCOMPARE(badges, QStringList({"1KHz", "2KHz", "4KHz", "8KHz"}));
        QVERIFY(!child("RightButton")->isHidden());
        QVERIFY(child("LeftButton")->isHidden());

        QTest::mouseClick(child("RightButton"), Qt::LeftButton);
        QCOMPARE(tileStack()->currentIndex(), 1);
        QVERIFY(child("RightButton")->isHidden());
        QVERIFY(!child("LeftButton")->isHidden());
        QTest::mouseClick(child("LeftButton"), Qt::LeftButton);
        QCOMPARE(tileStack()->currentIndex(), 0);
        QVERIFY(!child("RightButton")->isHidden());
        QVERIFY(child("LeftButton")->isHidden());
    }

    void theMiddleOfThreePagesKeepsBothArrows()
    {
        QByteArray seven = FourReceivers;
        seven += "[Receiver5]\nKind=0\nPid=0x5A10\nId=5,5,5\nMouse=Mouse5\n[Mouse5]\nCid=35\nMid=2\n"
                 "[Receiver6]\nKind=4\nPid=0x5A12\nId=6,6,6\nMouse=Mouse6\n[Mouse6]\nCid=35\nMid=2\n"
                 "[Receiver7]\nKind=1\nPid=0x5A14\nId=7,7,7\nMouse=Mouse7\n[Mouse7]\nCid=35\nMid=2\n";
        QVERIFY(loadScenario(seven));
        openPage();
        waitForDevices(7);
        QCOMPARE(tileStack()->count(), 3);
        QTest::mouseClick(child("RightButton"), Qt::LeftButton);
        QCOMPARE(tileStack()->currentIndex(), 1);
        QVERIFY(!child("LeftButton")->isHidden());
        QVERIFY(!child("RightButton")->isHidden());
    }

    void fiveDevicesPutTheLastTwoSideBySide()
    {
        QVERIFY(loadScenario(FourReceivers
                             + "[Mouse5]\nCid=35\nMid=2\nCable=true\nCablePid=0x5A02\nCableKind=3\n"));
        openPage();
        waitForDevices(5);
        QCOMPARE(tileStack()->count(), 2);
        // The mouse on its cable is enumerated first, by the USB product ids.
        QCOMPARE(FoundDeviceList.first().path, cable("Mouse5"));
        QVERIFY(FoundDeviceList.first().isWired);
        QVERIFY(styleOf("UsbWifi0").contains("OnLineUsb.png"));
        QVERIFY(styleOf("badge0").contains("8KHz.png")); // a cable of kind 3 counts as 8 kHz
        QCOMPARE(child("btn3")->x(), 135);
        QCOMPARE(child("btn4")->x(), 445);
        QCOMPARE(child("UsbWifi4")->x(), 665);
        QCOMPARE(child("badge4")->x(), 452);
    }

    void twoIdenticalDevicesRaiseTheQuestionInsteadOfTiles()
    {
        QVERIFY(loadScenario("[Receiver1]\nKind=5\nPid=0x5A18\nId=1,1,1\nMouse=Mouse1\n[Mouse1]\nCid=35\nMid=1\n"
                             "[Receiver2]\nKind=5\nPid=0x5A18\nId=2,2,2\nMouse=Mouse2\n[Mouse2]\nCid=35\nMid=1\n"));
        ModalCloser closer;
        openPage();
        QTRY_COMPARE(closer.seen, QStringList({"QuestiondialogB"}));
        settle();
        QCOMPARE(FoundDeviceList.size(), 2);
        QCOMPARE(tileStack()->count(), 0);
        QVERIFY(!child("label_2")->isHidden());
        QVERIFY(child("label_3")->isHidden());
    }

    void discoveryDuringTheQuestionAsksNoSecondOne()
    {
        QVERIFY(loadScenario("[Receiver1]\nKind=5\nPid=0x5A18\nId=1,1,1\nMouse=Mouse1\n[Mouse1]\nCid=35\nMid=1\n"
                             "[Receiver2]\nKind=5\nPid=0x5A18\nId=2,2,2\nMouse=Mouse2\n[Mouse2]\nCid=35\nMid=1\n"));
        ModalCloser closer([](QWidget *) {
            DeviceSelectionCallback();
            return true;
        });
        openPage();
        QTRY_COMPARE(closer.seen.size(), 1);
        QTest::qWait(100);
        QCOMPARE(closer.seen, QStringList({"QuestiondialogB"}));
    }

    void anUnrecognisedReceiverShowsTheUnknownPicture()
    {
        QVERIFY(loadScenario("[Receiver1]\nKind=5\nPid=0x5A18\nMouse=Mouse1\n[Mouse1]\nCid=99\nMid=7\n"));
        openPage();
        waitForDevices(1);
        const DeviceAllInfo device = FoundDeviceList.first();
        QCOMPARE(device.driveIndex, configuredModelCount());
        // The ids of a device no model matched stay at their defined defaults.
        QCOMPARE(int(device.cid), 0);
        QCOMPARE(int(device.mid), 0);
        QCOMPARE(int(device.kind), 0);
        QVERIFY(styleOf("btn0").contains("Unknow.png"));
        QVERIFY(!child("UsbWifi0")->isHidden());
    }

    void aDeviceNamingItselfOnlyAtTheTenthQuestionIsUnrecognised()
    {
        HidUsbSim::setIdsReadyAfter(9);
        HidUsbSim::loadDefaultScenario();
        HidUsbSim::setIdsReadyAfter(9);
        const QStringList ids = productIdsToEnumerate(configuredProductIdLists());
        discoverDevices(QStringLiteral("0x3F1A"), ids);
        QCOMPARE(FoundDeviceList.size(), 1);
        QCOMPARE(FoundDeviceList.first().driveIndex, configuredModelCount());

        FoundDeviceList.clear();
        g_foundDeviceListB.clear();
        HidUsbSim::setIdsReadyAfter(8);
        HidUsbSim::loadDefaultScenario();
        HidUsbSim::setIdsReadyAfter(8);
        discoverDevices(QStringLiteral("0x3F1A"), ids);
        QCOMPARE(FoundDeviceList.first().driveIndex, 0);
        QVERIFY(FoundDeviceList.first().online);
    }

    void productIdsAreEnumeratedListAfterListSkippingEmptyOnes()
    {
        QCOMPARE(productIdsToEnumerate({{"", "A"}, {"B"}, {}, {"A"}}), QStringList({"A", "B", "A"}));
        QCOMPARE(productIdsToEnumerate(configuredProductIdLists()),
                 QStringList({"0x5A01", "0x5A02", "0x5A10", "0x5A12", "0x5A14", "0x5A18"}));
    }

    void theCabledMouseHidesItsOwnReceiver()
    {
        HidUsbSim::setMouseCable("Mouse1", true);
        openPage();
        waitForDevices(1);
        QCOMPARE(FoundDeviceList.first().path, cable("Mouse1"));
        QCOMPARE(paths(g_foundDeviceListB), QStringList({cable("Mouse1"), receiver("Receiver1")}));
        QCOMPARE(tileStack()->count(), 1);
        QVERIFY(styleOf("UsbWifi0").contains("OnLineUsb.png"));
    }

    void refreshingATileUpdatesTheSecondListByPath()
    {
        // Discovery order: the first model's receiver, its mouse on a cable,
        // the second model's receiver. The receiver of the cabled mouse has
        // no tile, so tile 1 shows entry 2 of the second list.
        QVERIFY(loadScenario("[Receiver1]\nKind=0\nPid=0x5A10\nId=1,1,1\nMouse=Mouse1\n"
                             "[Mouse1]\nCid=35\nMid=1\nCable=true\nCablePid=0x5A12\nCableKind=3\n"
                             "[Receiver2]\nKind=5\nPid=0x5A18\nId=2,2,2\nVersion=0x0203\nMouse=Mouse2\n"
                             "[Mouse2]\nCid=35\nMid=2\n"));
        openPage();
        waitForDevices(2);
        const QStringList all = {receiver("Receiver1"), cable("Mouse1"), receiver("Receiver2")};
        QCOMPARE(paths(FoundDeviceList), QStringList({cable("Mouse1"), receiver("Receiver2")}));
        QCOMPARE(paths(g_foundDeviceListB), all);

        HidUsbSim::clearCallLog();
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(child("btn1"), &enter);
        QVERIFY(HidUsbSim::callLog().contains("UsbFinderC_GetDeviceOnLineWithUsbAddress(" + receiver("Receiver2") + ")"));
        QCOMPARE(paths(g_foundDeviceListB), all);
        QCOMPARE(g_foundDeviceListB.at(2).version, QString("v2.3"));
        QCOMPARE(g_foundDeviceListB.at(0).version, QString("v1.5"));
    }

    void aHoverRefreshOfATileThatIsGoneDoesNothing()
    {
        openPage();
        waitForDevices(1);
        HidUsbSim::clearCallLog();
        QVERIFY(m_page->refreshDeviceTile(1));
        QVERIFY(m_page->refreshDeviceTile(-1));
        QVERIFY(HidUsbSim::callLog().isEmpty());
        QCOMPARE(FoundDeviceList.size(), 1);
    }

    void moreThanFourteenModelsAreCountedToo()
    {
        QList<DeviceAllInfo> devices = {deviceOf(17, false, 5), deviceOf(17, false, 5)};
        QVERIFY(!settleFoundDevices(devices, 20));

        devices = {deviceOf(18, false, 5), deviceOf(18, true, 3), deviceOf(19, false, 0), deviceOf(20, false, 0),
                   deviceOf(20, false, 0)};
        QVERIFY(settleFoundDevices(devices, 20)); // two unrecognised devices are not told apart
        QCOMPARE(devices.size(), 4);
        QVERIFY(devices.first().isWired);
    }

    void clickingATileEmitsTheOpeningSignalsInOrder()
    {
        openPage();
        waitForDevices(1);
        m_probe->clear();
        QTest::mouseClick(child("btn0"), Qt::LeftButton);
        QCOMPARE(m_probe->seen, QStringList({"SigSetver(6)", "SigMouseIndex(0)",
                                             "SigSelectMouseInfo(" + receiver("Receiver1") + ")",
                                             "SigLabelTextB(v1.5,)", "SigChangeMainDialog(1)"}));
    }

    void anUnrecognisedDeviceIsNotOpened()
    {
        QVERIFY(loadScenario("[Receiver1]\nKind=5\nPid=0x5A18\nMouse=Mouse1\n[Mouse1]\nCid=99\nMid=7\n"));
        openPage();
        waitForDevices(1);
        m_probe->clear();
        ModalCloser closer; // the unrecognised receiver is offered pairing
        QTest::mouseClick(child("btn0"), Qt::LeftButton);
        QCOMPARE(m_probe->count("SigSetver(6)"), 1);
        QCOMPARE(m_probe->count("SigSelectMouseInfo"), 0);
        QCOMPARE(m_probe->count("SigChangeMainDialog"), 0);
    }

    void aSilentTwinWithoutRecordedMouseVersionIsPairedInsteadOfOpened()
    {
        QVERIFY(loadScenario(TwinReceivers));
        openPage();
        waitForDevices(2);
        QCOMPARE(FoundDeviceList.at(1).path, receiver("Receiver2"));
        QVERIFY(!FoundDeviceList.at(1).online);
        g_matchOpen = false;
        m_probe->clear();
        ModalCloser closer;
        QTest::mouseClick(child("btn1"), Qt::LeftButton);
        QCOMPARE(closer.seen, QStringList{"Match"});
        QVERIFY(g_matchOpen);
        QCOMPARE(g_matchTargetPath.path, receiver("Receiver2"));
        QCOMPARE(m_probe->seen, QStringList({"SigSetver(6)", "SigMouseIndex(0)"}));
    }

    void aSilentTwinWithoutFirmwareToOfferIsAskedToPairAgain()
    {
        QVERIFY(loadScenario(TwinReceivers));
        recordMouseVersion("35", "1", "v2.13");
        openPage();
        waitForDevices(2);
        g_matchOpen = false;
        m_probe->clear();
        ModalCloser closer;
        QTest::mouseClick(child("btn1"), Qt::LeftButton);
        // No firmware image is offered either way: the re-pair question
        // decides, and closed without an answer it says no.
        QCOMPARE(closer.seen, QStringList{"RePair"});
        QVERIFY(!g_matchOpen);
        QCOMPARE(m_probe->count("SigSelectMouseInfo"), 0);
        RegistryStore::instance()->remove(mouseDriveTestKey(), "MouseVer351");

        // The twin that answers opens as usual.
        QTest::mouseClick(child("btn0"), Qt::LeftButton);
        QCOMPARE(m_probe->count("SigChangeMainDialog(1)"), 1);
    }

    void anUnrecognisedReceiverIsOfferedPairing()
    {
        QVERIFY(loadScenario("[Receiver1]\nKind=5\nPid=0x5A18\nMouse=Mouse1\n[Mouse1]\nCid=99\nMid=7\n"));
        openPage();
        waitForDevices(1);
        g_matchOpen = false;
        ModalCloser closer;
        QTest::mouseClick(child("btn0"), Qt::LeftButton);
        QVERIFY(g_matchOpen);
        QCOMPARE(g_matchTargetPath.path, receiver("Receiver1"));
    }

    void aClickDuringWhichDiscoveryRebuildsTheTilesOpensTheClickedDevice()
    {
        QVERIFY(loadScenario("[Receiver1]\nKind=0\nPid=0x5A10\nMouse=Mouse1\n[Mouse1]\nCid=35\nMid=1\n"
                             "[Receiver2]\nKind=5\nPid=0x5A18\nId=2,2,2\nVersion=0x0203\nMouse=Mouse2\n"
                             "[Mouse2]\nCid=35\nMid=2\n"));
        openPage();
        waitForDevices(2);
        QPointer<QWidget> clicked = child("btn1");
        // What a dialog opened by the click lets happen: the first receiver
        // goes and discovery rebuilds every tile.
        const auto rebuild = connect(PostMsg::instance(), &PostMsg::SigSelectMouseInfo, this, [] {
            HidUsbSim::plugReceiver("Receiver1", false);
            DeviceSelectionCallback();
        });
        m_probe->clear();
        QTest::mouseClick(clicked, Qt::LeftButton);
        disconnect(rebuild);
        QCOMPARE(FoundDeviceList.size(), 1);
        QCOMPARE(m_probe->seen.mid(2), QStringList({"SigSelectMouseInfo(" + receiver("Receiver2") + ")",
                                                    "SigLabelTextB(v2.3,)", "SigChangeMainDialog(1)"}));
        // The old tiles go only once the event loop runs.
        QVERIFY(!clicked.isNull());
        settle();
        QVERIFY(clicked.isNull());
    }

    void aPendingRepairShowsTheRepairButtonAndItsHint()
    {
        RegistryStore::instance()->setValue(mouseDriveTestKey(), QStringLiteral("UpdateFailInfo"), "35,1,4,0");
        openPage();
        waitForDevices(1);
        QVERIFY(!child("Repair")->isHidden());
        HidUsbSim::plugReceiver("Receiver1", false);
        waitForDevices(0);
        QCOMPARE(child<QLabel>("label_2")->text(), languageText(LanguageSection::DialogChange, 0, 2));
        m_page->SlotUpDateButton(true);
        QVERIFY(child("Repair")->isHidden());
        QCOMPARE(child<QLabel>("label_2")->text(), languageText(LanguageSection::DialogChange, 0, 0));
    }

    void theRepairDialogAsksForACheckAfterEveryDiscovery()
    {
        g_repairDialogVisible = true;
        openPage();
        waitForDevices(1);
        QCOMPARE(m_probe->count("SigRepairCheckUpdate"), 1);
        g_upgradeRunning = true;
        HidUsbSim::plugReceiver("Receiver1", false);
        waitForDevices(0);
        QCOMPARE(m_probe->count("SigRepairCheckUpdate"), 1);
        g_upgradeRunning = false;
        g_repairDialogVisible = false;
    }

    void choosingALanguageStoresItAndTellsEveryWindow()
    {
        openPage();
        m_probe->clear();
        auto *box = child<QComboBox>("comboBox");
        QCOMPARE(box->itemText(1), QString("Русский"));
        emit box->activated(1);
        QCOMPARE(MacroIniStore::instance()->value("Language", "Language"), QString("1"));
        QCOMPARE(currentLanguageIndex, 1);
        QCOMPARE(m_probe->seen, QStringList({"SigAllLanguage(1)", "SigLanguageSameB(1)"}));
        QCOMPARE(child<QLabel>("label_3")->text(), languageText(LanguageSection::DialogChange, 1, 1));
        QCOMPARE(g_mouseIsNewText, languageText(LanguageSection::DialogChange, 1, 8));

        // Another window's choice only moves the box.
        m_probe->clear();
        emit PostMsg::instance()->SigLanguageSameA(0);
        QCOMPARE(box->currentIndex(), 0);
        QVERIFY(m_probe->seen.isEmpty());
        MacroIniStore::instance()->remove("Language", "Language");
    }

    void theNoticeAndTheWindowButtons()
    {
        openPage();
        m_probe->clear();
        QTest::mouseClick(child("MinButton"), Qt::LeftButton);
        QTest::mouseClick(child("CloseButton"), Qt::LeftButton);
        QCOMPARE(m_probe->seen, QStringList({"SigChangeSize(2)", "SigChangeSize(3)"}));

        child("FindVer")->show();
        emit PostMsg::instance()->SigEnterKey();
        QVERIFY(child("FindVer")->isHidden());
        child<QCheckBox>("NoApear")->click();
        QCOMPARE(MacroIniStore::instance()->value("FindNew", "IsShow"), QString("1"));
        child<QCheckBox>("NoApear")->click();
        QCOMPARE(MacroIniStore::instance()->value("FindNew", "IsShow"), QString("0"));
    }
};

TALVO_TEST_MAIN(tst_SelectionPage)
#include "tst_selectionpage.moc"
