#include "devicelinktest.h"
#include "deviceregistry.h"
#include "dialogchange.h"
#include "dialogmain.h"
#include "founddevices.h"
#include "hubprobe.h"
#include "macroinistore.h"
#include "mouseoffline.h"
#include "registrystore.h"
#include "shelltest.h"
#include "testenvironment.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QStackedWidget>

#include <atomic>
#include <memory>

using namespace DeviceLinkTest;
using namespace ShellTest;

namespace {

void pressKey(QWidget *window, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &press);
}

std::atomic<bool> callbackEntered{false};
std::atomic<bool> callbackLeft{false};

// Still running well after the end's 200 ms wait, and then waiting for the
// GUI thread before it leaves.
void waitForTheWindowThenLeave(const unsigned char *, int, const unsigned char *, int)
{
    callbackEntered = true;
    QThread::msleep(400);
    QMetaObject::invokeMethod(qApp, [] {}, Qt::BlockingQueuedConnection);
    callbackLeft = true;
}

} // namespace

class tst_DialogMain : public QObject
{
    Q_OBJECT

private:
    HubProbe *m_probe = nullptr;
    std::unique_ptr<DialogMain> m_window;

    void openWindow()
    {
        m_window = std::make_unique<DialogMain>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTRY_VERIFY(!FoundDeviceList.isEmpty() || HidUsbSim::callCount("UsbFinderC_FindHidDevicesByDefaultDeviceId") > 0);
        QTest::qWait(20);
        HidUsbSim::clearCallLog();
        m_probe->clear();
    }

    template<typename Widget = QWidget>
    Widget *child(const QString &name) const
    {
        return m_window->findChild<Widget *>(name);
    }

private slots:
    void initTestCase()
    {
        m_probe = makeWindowProbe();
    }

    void init()
    {
        resetForWindows();
        MacroIniStore::instance()->remove("Language", "Language");
        RegistryStore::instance()->remove(legacyLanguageKey(), "LanguageIndex");
    }

    void cleanup()
    {
        m_window.reset();
        StopUsbChanged();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void theWindowIsAFramelessFixedStackStartingOnTheSelectionPage()
    {
        openWindow();
        QVERIFY(m_window->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(m_window->size(), QSize(1020, 700));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QCOMPARE(m_window->windowTitle(), QString("Talvo Lumerant 4K"));
        auto *stack = child<QStackedWidget>("stackedWidgetMain");
        QCOMPARE(stack->currentWidget(), static_cast<QWidget *>(g_selectionPage));
        QVERIFY(!QApplication::quitOnLastWindowClosed());
        QCOMPARE(FoundDeviceList.size(), 1);
    }

    void aLegacyLanguageChoiceMovesIntoTheUserSettings()
    {
        RegistryStore::instance()->setValue(legacyLanguageKey(), "LanguageIndex", 1);
        openWindow();
        QCOMPARE(MacroIniStore::instance()->value("Language", "Language"), QString("1"));
        QVERIFY(!RegistryStore::instance()->value(legacyLanguageKey(), "LanguageIndex").isValid());
        QCOMPARE(currentLanguageIndex, 1);
        QCOMPARE(child<QComboBox>("comboBox")->currentIndex(), 1);
    }

    void aLegacyChoiceOfEnglishIsOnlyRemoved()
    {
        RegistryStore::instance()->setValue(legacyLanguageKey(), "LanguageIndex", 0);
        openWindow();
        QVERIFY(MacroIniStore::instance()->value("Language", "Language").isEmpty());
        QVERIFY(!RegistryStore::instance()->value(legacyLanguageKey(), "LanguageIndex").isValid());
        QCOMPARE(currentLanguageIndex, 0);
    }

    void russianChosenOnceIsShownAtTheNextStart()
    {
        openWindow();
        emit child<QComboBox>("comboBox")->activated(1);
        m_window.reset();
        currentLanguageIndex = 0;

        openWindow();
        QCOMPARE(currentLanguageIndex, 1);
        QCOMPARE(child<QComboBox>("comboBox")->currentIndex(), 1);
        QCOMPARE(g_selectionPage->findChild<QLabel *>("label_3")->text(),
                 languageText(LanguageSection::DialogChange, 1, 1));
    }

    void eachPageSwitchRegistersThatPagesHotplugCallback()
    {
        openWindow();
        emit PostMsg::instance()->SigChangeMainDialog(1);
        QVERIFY(g_deviceUiLive);
        QTRY_VERIFY(HidUsbSim::callCount("UsbFinderC_FindHidDevicesByDeviceId") > 0);
        QCOMPARE(HidUsbSim::callCount("UsbFinderC_FindHidDevicesByDefaultDeviceId"), 0);

        HidUsbSim::clearCallLog();
        g_devicePageState = 1;
        emit PostMsg::instance()->SigChangeMainDialog(0);
        QCOMPARE(m_probe->seen.filter(QRegularExpression("PageChange")),
                 QStringList({"SigSecondPageChange", "SigMainPageChange"}));
        QCOMPARE(g_devicePageState.load(), 0);
        QCOMPARE(windowCalls(), QStringList({"UsbServer_Exit", "StartUsbChanged(600)"}));
        QTRY_VERIFY(HidUsbSim::callCount("UsbFinderC_FindHidDevicesByDefaultDeviceId") > 0);
    }

    void requestsOutsideTheKnownOnesChangeNothing()
    {
        openWindow();
        g_deviceUiLive = false;
        emit PostMsg::instance()->SigChangeMainDialog(5);
        QVERIFY(g_deviceUiLive);
        emit PostMsg::instance()->SigChangeSize(7);
        QVERIFY(m_window->isVisible());
        QVERIFY(!m_window->isMinimized());
        QVERIFY(windowCalls().isEmpty());
        QCOMPARE(child<QStackedWidget>("stackedWidgetMain")->currentIndex(), 0);
    }

    void hidingFromTheSelectionPageLeavesTheDriverStatusAlone()
    {
        openWindow();
        emit PostMsg::instance()->SigChangeSize(2);
        // The offscreen desktop has no tray: the window is minimised instead of hidden.
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        QVERIFY(m_window->isMinimized());
        QVERIFY(m_window->isVisible());
        m_window->showNormal();
        QVERIFY(!m_window->isMinimized());
        QVERIFY(windowCalls().isEmpty());
    }

    void hidingFromTheFrameAnnouncesTheDriverInactive()
    {
        openWindow();
        emit PostMsg::instance()->SigChangeSize(0);
        QVERIFY(m_window->isMinimized());
        QCOMPARE(windowCalls(), QStringList({"UsbServer_SetPCDriverStatus(0)"}));
    }

    void quittingStopsTheWatchWaitsAndStopsTheServer()
    {
        openWindow();
        QElapsedTimer clock;
        clock.start();
        emit PostMsg::instance()->SigChangeSize(3);
        QVERIFY(clock.elapsed() >= 190);
        QCOMPARE(windowCalls(), QStringList({"StopUsbChanged", "UsbServer_Exit"}));
        QVERIFY(!m_window->isVisible());

        m_window.reset();
        openWindow();
        emit PostMsg::instance()->SigChangeSize(1);
        QCOMPARE(windowCalls(), QStringList({"UsbServer_SetPCDriverStatus(0)", "StopUsbChanged", "UsbServer_Exit"}));
        QVERIFY(!m_window->isVisible());

        // Closed by the desktop, the window leaves the same way, and ends.
        m_window.reset();
        openWindow();
        QSignalSpy finished(m_window.get(), SIGNAL(finished(int)));
        m_window->close();
        QCOMPARE(windowCalls(), QStringList({"StopUsbChanged", "UsbServer_Exit"}));
        QCOMPARE(finished.count(), 1);
    }

    void quittingWaitsForTheLibraryToLeaveTheProgram()
    {
        openWindow();
        const QByteArray path = receiverPath();
        UsbServerC_Start(path.constData(), path.constData(), waitForTheWindowThenLeave);
        UsbServer_ReadConfig();
        QTRY_VERIFY(callbackEntered);
        emit PostMsg::instance()->SigChangeSize(3);
        QVERIFY(callbackLeft);
        QVERIFY(!m_window->isVisible());
    }

    // From the selection page, as its close button: no driver status.
    void theTrayExitStopsTheLibraryAndEnds()
    {
        QProcess probe;
        probe.start(QCoreApplication::applicationDirPath() + "/shutdownprobe", QStringList({"tray"}));
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
        const QStringList calls = QString::fromLatin1(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(calls.mid(0, 2), QStringList({"StopUsbChanged", "UsbServer_Exit"}));
        QVERIFY(calls.filter("UsbServer_SetPCDriverStatus").isEmpty());
    }

    void theOfflineDialogOpensAboveTheCentreAndClosesWhenTheDeviceReturns()
    {
        openWindow();
        QRect placed;
        QString message;
        ModalCloser closer([&](QWidget *dialog) {
            placed = QRect(dialog->pos(), dialog->size());
            message = dialog->findChild<QLabel *>("label")->text();
            emit PostMsg::instance()->SigCloseOffOnline();
            return false;
        });
        emit PostMsg::instance()->SigMouseOffLineo(1);
        QCOMPARE(closer.seen, QStringList({"MouseOffLine"}));
        QCOMPARE(g_offlineMessageIndex, 1);
        QVERIFY(g_offlineSeen && g_offlineDialogShown);
        QCOMPARE(message, languageText(LanguageSection::MouseOffLine, 0, 1));
        const QPoint corner = m_window->mapToGlobal(QPoint(0, 0));
        QCOMPARE(placed.topLeft(), corner + QPoint((1020 - placed.width()) / 2, (700 - placed.height()) / 2 - 20));
    }

    void escapeAndF12DoNothingWhileEnterReachesTheSelectionPage()
    {
        openWindow();
        QSignalSpy enter(PostMsg::instance(), SIGNAL(SigEnterKey()));
        pressKey(m_window.get(), Qt::Key_Escape);
        pressKey(m_window.get(), Qt::Key_F12);
        QVERIFY(m_window->isVisible());
        pressKey(m_window.get(), Qt::Key_Return);
        pressKey(m_window.get(), Qt::Key_Enter);
        QCOMPARE(enter.count(), 2);

        g_macroRecording = true;
        pressKey(m_window.get(), Qt::Key_Return);
        pressKey(m_window.get(), Qt::Key_Space);
        QCOMPARE(enter.count(), 2);
        QVERIFY(windowCalls().isEmpty());
    }

    void spaceOnTheSelectionPagePairsItsOneReceiver()
    {
        openWindow();
        ModalCloser closer;
        const QString start = "UsbServerC_Start(" + CurrentDevicePath.get() + "," + CurrentDevicePath.get() + ")";
        pressKey(m_window.get(), Qt::Key_Space);
        QCOMPARE(windowCalls(), QStringList({"StartUsbChanged(600)", start}));
        QVERIFY(!g_matchOpen);

        // With the mouse's version on record and no firmware image to offer.
        HidUsbSim::clearCallLog();
        recordMouseVersion("35", "1", "v2.13");
        pressKey(m_window.get(), Qt::Key_Space);
        QCOMPARE(windowCalls(), QStringList({"StartUsbChanged(600)", start}));
        QCOMPARE(closer.seen, QStringList({"Match", "Match"}));
        RegistryStore::instance()->remove(mouseDriveTestKey(), "MouseVer351");
    }

    void spaceDoesNothingForACableOrForSeveralDevices()
    {
        HidUsbSim::setMouseCable("Mouse1", true);
        openWindow();
        QTRY_COMPARE(FoundDeviceList.size(), 1);
        QVERIFY(FoundDeviceList.first().isWired);
        pressKey(m_window.get(), Qt::Key_Space);
        QVERIFY(windowCalls().isEmpty());

        FoundDeviceList.append(FoundDeviceList.first());
        FoundDeviceList.last().isWired = false;
        pressKey(m_window.get(), Qt::Key_Space);
        QVERIFY(windowCalls().isEmpty());
    }

    void theWindowFollowsADragWithTheLeftButton()
    {
        openWindow();
        const QPoint start = m_window->pos();
        const QPoint grip = m_window->mapToGlobal(QPoint(500, 650));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(500, 650), grip, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &press);
        QMouseEvent move(QEvent::MouseMove, QPointF(530, 610), grip + QPoint(30, -40), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &move);
        QCOMPARE(m_window->pos(), start + QPoint(30, -40));
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(530, 610), grip + QPoint(30, -40), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &release);
        QMouseEvent stray(QEvent::MouseMove, QPointF(600, 600), grip + QPoint(100, 0), Qt::NoButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &stray);
        QCOMPARE(m_window->pos(), start + QPoint(30, -40));
    }
};

TALVO_TEST_MAIN(tst_DialogMain)
#include "tst_dialogmain.moc"
