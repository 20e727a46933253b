// Opening the default simulated device end to end through the real
// windows: the selection page, the configuration frame and its pages, the
// settings-update wait, the offline dialog and the device cache.

#include "buttoninterface.h"
#include "debouncetime.h"
#include "devicecache.h"
#include "deviceeventcallback.h"
#include "devicelinktest.h"
#include "dialog.h"
#include "dialogchange.h"
#include "dialogmain.h"
#include "formsetting.h"
#include "founddevices.h"
#include "hubprobe.h"
#include "match.h"
#include "shelltest.h"
#include "testenvironment.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>

#include <atomic>

#include <memory>

using namespace DeviceLinkTest;
using namespace ShellTest;

namespace {

const QString CacheName = QStringLiteral("Device_CID23_MID01.bin");

// The settings-update wait runs its own course; the handler decides about
// every other modal dialog.
ModalCloser::Handler sparingTheWait(ModalCloser::Handler handle = {})
{
    return [handle](QWidget *dialog) {
        if (dialog->inherits("UpDataParam"))
            return false;
        return !handle || handle(dialog);
    };
}

int storedDebounce()
{
    return quint8(HidUsbSim::storedConfiguration("Mouse1", 0).at(6));
}

// pairing.ini, its first mouse on another version than the waiting one.
const QByteArray PairingScenario = "[Receiver1]\nKind=5\nPid=0x5A18\nId=0x12,0x34,0x56\nVersion=0x0105\n"
                                   "Mouse=Mouse1\n[Mouse1]\nCid=35\nMid=1\nVersion=0x0214\n"
                                   "[Mouse2]\nCid=35\nMid=1\nVersion=0x0213\nPairing=true\n";

// Pairs in the pairing dialog, as a user does, and closes it.
bool pairInTheDialog(QWidget *dialog)
{
    if (auto *match = qobject_cast<Match *>(dialog)) {
        QTest::qWait(250); // the button is offered once the dialog knows the target is wireless
        match->findChild<QPushButton *>("MatchButton")->click();
        static_cast<void>(QTest::qWaitFor([match] { return match->paired(); }));
    }
    return true;
}

} // namespace

class tst_OpeningDevice : public QObject
{
    Q_OBJECT

private:
    HubProbe *m_probe = nullptr;
    std::unique_ptr<DialogMain> m_window;

    template<typename Widget = QWidget>
    Widget *child(const QString &name) const
    {
        return m_window->findChild<Widget *>(name);
    }

    Dialog *frame() const { return m_window->findChild<Dialog *>(); }
    DebounceTime *debounce() const { return m_window->findChild<DebounceTime *>("DebunceButton"); }

    bool frameShown() const
    {
        return child<QStackedWidget>("stackedWidgetMain")->currentWidget() == frame();
    }

    void openWindow()
    {
        m_window = std::make_unique<DialogMain>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTRY_VERIFY(g_selectionPage->findChild<QWidget *>("btn0"));
    }

    // Clicks the device's tile and lets the settings-update wait run its course.
    void openDevice()
    {
        QWidget *tile = g_selectionPage->findChild<QWidget *>("btn0");
        QVERIFY(tile);
        ModalCloser watcher(sparingTheWait());
        QTest::mouseClick(tile, Qt::LeftButton);
        QVERIFY(frameShown());
        QTRY_VERIFY_WITH_TIMEOUT(watcher.seen.contains("UpDataParam"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!waitDialog()->isVisible(), 15000);
    }

private slots:
    void initTestCase()
    {
        m_probe = makeWindowProbe();
    }

    void init()
    {
        resetForWindows();
        QFile::remove(deviceCachePath(CacheName));
        m_probe->clear();
    }

    void cleanup()
    {
        m_window.reset();
        StopUsbChanged();
        UsbServer_Exit();
        QTRY_VERIFY(HidUsbSim::isIdle());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void theChosenMouseOpensInTheFrameWithItsBatteryAndRecord()
    {
        ModalCloser closer(sparingTheWait());
        openWindow();
        // The page is active before the worker runs, so even a quick run opens the link.
        std::atomic<int> pageStateAtRun{-1};
        const auto watch = connect(
            g_workerThread, &QThread::started, this, [&pageStateAtRun] { pageStateAtRun = g_devicePageState.load(); },
            Qt::DirectConnection);
        openDevice();
        disconnect(watch);
        QCOMPARE(pageStateAtRun.load(), 1);
        QCOMPARE(closer.seen, QStringList({"UpDataParam"})); // and no offline dialog
        const QByteArray receiver = receiverPath();
        QVERIFY(HidUsbSim::callLog().contains("UsbServerC_Start(" + receiver + "," + receiver + ")"));

        QCOMPARE(frame()->findChild<QWidget *>("frame_2")->findChild<QLabel *>("label_2")->text(), QString("80%"));
        QCOMPARE(child<QProgressBar>("progressBar")->value(), 80);
        QVERIFY(child<QProgressBar>("progressBar")->styleSheet().contains("255, 255, 255"));
        QCOMPARE(bytesOf(DeviceProtocolData.get()), HidUsbSim::storedConfiguration("Mouse1", 0));
        QCOMPARE(debounce()->debounceIndex(), storedDebounce());
        auto *settings = frame()->findChild<FormSetting *>();
        QCOMPARE(settings->findChild<QLabel *>("label_5")->text(), QString("v1.5"));
        QCOMPARE(settings->findChild<QLabel *>("label_7")->text(), QString("v2.13"));
        // The first wait with device data keeps a copy of the record.
        FlashDataMap cached;
        QVERIFY(loadDeviceConfigCache(CacheName, &cached));
        QCOMPARE(bytesOf(cached), HidUsbSim::storedConfiguration("Mouse1", 0));
    }

    void aMouseThatWentOffIsReportedAndReadAgainWhenItReturns()
    {
        openWindow();
        openDevice();
        const int reads = HidUsbSim::callCount("UsbServer_ReadAllFlashData");
        HidUsbSim::setMousePower("Mouse1", false);
        ModalCloser closer([](QWidget *dialog) {
            if (dialog->inherits("MouseOffLine"))
                HidUsbSim::setMousePower("Mouse1", true);
            return false; // the device's return closes it, the wait closes itself
        });
        // A setting the device cannot take opens the offline dialog.
        debounce()->findChild<QComboBox *>("Debunce")->setCurrentIndex(12);
        QCOMPARE(closer.seen.value(0), QString("MouseOffLine"));
        QTRY_VERIFY_WITH_TIMEOUT(HidUsbSim::callCount("UsbServer_ReadAllFlashData") > reads, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(closer.seen.contains("UpDataParam"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!waitDialog()->isVisible(), 15000);
        QCOMPARE(closer.seen, QStringList({"MouseOffLine", "UpDataParam"}));
        QCOMPARE(debounce()->debounceIndex(), storedDebounce());
    }

    void theBackArrowSavesTheCacheWhichALaterOfflineOpenShows()
    {
        openWindow();
        openDevice();
        debounce()->findChild<QComboBox *>("Debunce")->setCurrentIndex(9);
        QCOMPARE(storedDebounce(), 9);
        m_probe->clear();
        HidUsbSim::clearCallLog();
        QTest::mouseClick(child("UpArrow"), Qt::LeftButton);
        QVERIFY(!frameShown());
        QCOMPARE(windowCalls().mid(0, 2), QStringList({"UsbServer_SetPCDriverStatus(0)", "UsbServer_Exit"}));
        QCOMPARE(m_probe->seen.filter(QRegularExpression("SigChangeMainDialog|SigSetMacroPage")),
                 QStringList({"SigChangeMainDialog(0)", "SigSetMacroPage"}));
        FlashDataMap cached;
        QVERIFY(loadDeviceConfigCache(CacheName, &cached));
        QCOMPARE(int(cached.DebounceTime), 9);

        // Asleep, the mouse is opened from its cache.
        HidUsbSim::setMousePower("Mouse1", false);
        QTest::qWait(100);
        m_window->findChild<Buttoninterface *>()->SlotFormResetButton();
        QCOMPARE(debounce()->debounceIndex(), 4);
        QTest::mouseClick(g_selectionPage->findChild<QWidget *>("btn0"), Qt::LeftButton);
        QVERIFY(frameShown());
        QTRY_COMPARE(debounce()->debounceIndex(), 9);
        QCOMPARE(m_probe->count("SigFormReset"), 0);
    }

    void spaceOnTheFrameRegistersItsCallbackBeforeTheServerStarts()
    {
        openWindow();
        openDevice();
        HidUsbSim::clearCallLog();
        ModalCloser closer;
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &space);
        const QByteArray path = CurrentDevicePath.get();
        // The pairing dialog registers the selection page's callback as it
        // closes, the frame its own after it.
        QCOMPARE(windowCalls(), QStringList({"StartUsbChanged(600)", "StartUsbChanged(600)",
                                             "UsbServerC_Start(" + path + "," + path + ")"}));
        QVERIFY(g_matchOpen);
    }

    void aPairedMouseShowsAndKeepsItsOwnRecord_data()
    {
        QTest::addColumn<bool>("fromSettingsPage"); // else Space on the frame
        QTest::newRow("the settings page's button") << true;
        QTest::newRow("Space on the frame") << false;
    }

    void aPairedMouseShowsAndKeepsItsOwnRecord()
    {
        QFETCH(bool, fromSettingsPage);
        QDir(qEnvironmentVariable("XDG_STATE_HOME")).removeRecursively();
        QVERIFY(loadScenario(PairingScenario));
        FlashDataMap first = recordOf(HidUsbSim::storedConfiguration("Mouse1", 0));
        first.SleepTime = 90; // as its user left it
        UsbServerC_Start(receiverPath().constData(), receiverPath().constData(), ignoreEvents);
        ProtocolDataUpdate(first.bytes());
        QByteArray waiting = HidUsbSim::storedConfiguration("Mouse2", 0);
        openWindow();
        openDevice();
        auto *settings = frame()->findChild<FormSetting *>();
        ModalCloser walk(sparingTheWait(pairInTheDialog));
        if (fromSettingsPage) {
            settings->findChild<QPushButton *>("pushButton_2")->click();
        } else {
            QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
            QCoreApplication::sendEvent(m_window.get(), &space);
        }
        QTRY_VERIFY_WITH_TIMEOUT(walk.seen.contains("UpDataParam"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!waitDialog()->isVisible(), 15000);
        QCOMPARE(settings->findChild<QLabel *>("label_7")->text(), QString("v2.13"));
        debounce()->findChild<QComboBox *>("Debunce")->setCurrentIndex(12);
        waiting[6] = 12; // that one change, and nothing of the first mouse's record
        QCOMPARE(HidUsbSim::storedConfiguration("Mouse2", 0), waiting);
        QDir(qEnvironmentVariable("XDG_STATE_HOME")).removeRecursively();
    }

    void minimisingAndRestoringTheFrameTellTheDevice()
    {
        openWindow();
        openDevice();
        HidUsbSim::clearCallLog();
        QTest::mouseClick(frame()->findChild<QWidget *>("MinButton"), Qt::LeftButton);
        QVERIFY(m_window->isMinimized());
        m_window->showNormal();
        QCOMPARE(windowCalls(), QStringList({"UsbServer_SetPCDriverStatus(0)", "UsbServer_SetPCDriverStatus(1)"}));
    }

    void closingTheFrameSavesTheCacheAndQuits()
    {
        openWindow();
        openDevice();
        QFile::remove(deviceCachePath(CacheName));
        HidUsbSim::clearCallLog();
        QTest::mouseClick(frame()->findChild<QWidget *>("CloseButton"), Qt::LeftButton);
        QVERIFY(QFile::exists(deviceCachePath(CacheName)));
        QCOMPARE(windowCalls(), QStringList({"UsbServer_SetPCDriverStatus(0)", "StopUsbChanged", "UsbServer_Exit"}));
        QVERIFY(!m_window->isVisible());
    }

    void aCrashAfterTheFrameIsBuiltLeavesADump()
    {
        QProcess probe;
        probe.start(QCoreApplication::applicationDirPath() + "/framecrashprobe", QStringList());
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.exitStatus(), QProcess::CrashExit);
        const QStringList dumps = QDir(QDir::homePath() + "/AppData/Local/Talvo Lumerant 4K/Exception")
                                      .entryList({"*.dmp"}, QDir::Files);
        QCOMPARE(dumps.size(), 1);
    }
};

TALVO_TEST_MAIN(tst_OpeningDevice)
#include "tst_openingdevice.moc"
