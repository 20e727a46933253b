#include "dialogmain.h"

#include "appinfo.h"
#include "containreset.h"
#include "devicecache.h"
#include "deviceeventcallback.h"
#include "devicepagediscovery.h"
#include "deviceregistry.h"
#include "dialog.h"
#include "dialogchange.h"
#include "dialogplacement.h"
#include "eventwait.h"
#include "firmwareimagescan.h"
#include "firmwarerepair.h"
#include "founddevices.h"
#include "languagefilereader.h"
#include "languagetables.h"
#include "macroinistore.h"
#include "mouseoffline.h"
#include "pagestate.h"
#include "postmsg.h"
#include "receiverpairing.h"
#include "registrystore.h"
#include "selectiondiscovery.h"
#include "ui_dialogmain.h"
#include "updatewarning.h"
#include "worker.h"

#include <HIDUsb.h>

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QThread>

namespace {

// How long the quit path keeps handling events after the hot-plug watch stopped.
constexpr int QuitWait = 200;
// How often the end asks whether the library's thread has left the program.
constexpr int LibraryExitPoll = 10;
// How long the return to the selection page gives the device server to stop.
constexpr int ServerExitWait = 100;

enum Page { SelectionPage = 0, ConfigurationFrame = 1 };

// What the pages ask of the window through SigChangeSize.
enum SizeRequest { FrameToTray = 0, FrameQuit = 1, SelectionToTray = 2, SelectionQuit = 3 };

} // namespace

DialogMain::DialogMain(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DialogMain)
{
    ui->setupUi(this);
    loadLanguageFiles();
    moveLegacyLanguageChoice();
    // A hand-edited choice or a missing language file must not leave every
    // window reading a language the tables do not hold.
    const int storedIndex =
        MacroIniStore::instance()->value(QStringLiteral("Language"), QStringLiteral("Language")).toInt();
    currentLanguageIndex = usableLanguageIndex(storedIndex);
    skinFolder = programFolderPath() + QStringLiteral("/Picture/Dialog/");

    // The frame first: it builds the pages and the device worker; the
    // selection page then starts discovery.
    configurationFrame = new Dialog(this);
    selectionPage = new DialogChange(this);
    ui->stackedWidgetMain->addWidget(selectionPage);
    ui->stackedWidgetMain->addWidget(configurationFrame);
    ui->stackedWidgetMain->setCurrentIndex(SelectionPage);

    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
    setFixedSize(width(), height());
    // Only closing this window ends the program (main() ties its finished()
    // to the end): a dialog closing while the window sits in the tray must not.
    QApplication::setQuitOnLastWindowClosed(false);

    PostMsg *hub = PostMsg::instance();
    connect(hub, SIGNAL(SigAllLanguage(int)), this, SLOT(SlotAllLanguage(int)));
    connect(hub, SIGNAL(SigChangeMainDialog(int)), this, SLOT(SlotChangeMainDialog(int)));
    connect(hub, SIGNAL(SigChangeSize(int)), this, SLOT(SlotChangeSize(int)));
    connect(hub, SIGNAL(SigMouseOffLineo(int)), this, SLOT(SlotMouseOffLine(int)));
    connect(hub, SIGNAL(SigUpPageLight()), this, SLOT(SlotUpPageLight()));

    setWindowIcon(QIcon(skinFolder + QStringLiteral("Logo.png")));

    emit hub->SigLanguageSameA(currentLanguageIndex);
    emit hub->SigLanguageSameB(currentLanguageIndex);
    emit hub->SigAllLanguage(currentLanguageIndex);
}

// Nothing of the hub reaches a window that is being taken apart.
DialogMain::~DialogMain()
{
    PostMsg::instance()->disconnect(this);
    delete ui;
}

void DialogMain::loadLanguageFiles()
{
    languageTextTable = LanguageTables();
    LanguageFileReader::loadLanguageFolder(programFolderPath() + QStringLiteral("/Language"), languageTextTable);
}

// Older versions kept the language choice in the registry; it moves into
// Macro.ini once, and the registry value goes either way.
void DialogMain::moveLegacyLanguageChoice()
{
    RegistryStore *registry = RegistryStore::instance();
    const QString key = legacyLanguageKey();
    const int legacyIndex = registry->value(key, QStringLiteral("LanguageIndex")).toInt();
    if (legacyIndex != 0) {
        MacroIniStore::instance()->setValue(QStringLiteral("Language"), QStringLiteral("Language"),
                                            QString::number(legacyIndex));
    }
    registry->remove(key, QStringLiteral("LanguageIndex"));
}

void DialogMain::SlotAllLanguage(int index)
{
    trayMainText = languageText(LanguageSection::DialogMain, index, 0);
    trayExitText = languageText(LanguageSection::DialogMain, index, 1);
}

void DialogMain::SlotChangeMainDialog(int index)
{
    g_deviceUiLive = true;
    PostMsg *hub = PostMsg::instance();
    if (index == SelectionPage) {
        emit hub->SigSecondPageChange();
        g_devicePageState = 0;
        emit hub->SigMainPageChange();
        UsbServer_Exit();
        // The device server stops on its own thread; nothing is handled meanwhile.
        QThread::msleep(ServerExitWait);
        ui->stackedWidgetMain->setCurrentIndex(SelectionPage);
        StartUsbChanged(DeviceSelectionCallback, HotplugInterval);
    } else if (index == ConfigurationFrame) {
        ui->stackedWidgetMain->setCurrentIndex(ConfigurationFrame);
        StartUsbChanged(usbHotplugCallback, HotplugInterval);
    }
}

// The configuration frame saved the device's cache before asking to quit.
void DialogMain::SlotChangeSize(int index)
{
    if (index == FrameQuit || index == SelectionQuit) {
        endProgram(index == FrameQuit);
        return;
    }
    if (ending)
        return;
    if (index == FrameToTray)
        UsbServer_SetPCDriverStatus(0);
    if (index == FrameToTray || index == SelectionToTray)
        hideToTray();
}

void DialogMain::hideToTray()
{
    // Where the desktop has no tray, a hidden window could not be reached again.
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        minimisedForTray = true;
        showMinimized();
        return;
    }
    hide();
    if (!trayIcon)
        makeTrayIcon();
    if (trayMenu)
        trayMenu->deleteLater();
    trayMenu = new QMenu(this);
    QAction *actionMain = trayMenu->addAction(trayMainText);
    connect(actionMain, &QAction::triggered, this, &DialogMain::slotActionMain);
    trayMenu->addSeparator();
    QAction *actionExit = trayMenu->addAction(trayExitText);
    connect(actionExit, &QAction::triggered, this, &DialogMain::slotActionExitApp);
    trayIcon->setContextMenu(trayMenu);
    trayIcon->show();
}

// Not at start-up: the desktop's tray is asked for over the session bus, a
// round trip the window would wait for before it first shows.
void DialogMain::makeTrayIcon()
{
    trayIcon = new QSystemTrayIcon(windowIcon(), this);
    trayIcon->setToolTip(appName);
    connect(trayIcon, &QSystemTrayIcon::activated, this, &DialogMain::on_activatedSysTrayIcon);
}

void DialogMain::shutdown()
{
    if (ending)
        return;
    const bool frameShown = configurationFrameShown();
    if (frameShown)
        saveChosenDeviceCache();
    endProgram(frameShown);
}

// Every way out ends here. The waits of the pages end first and no dialog
// shows any more, since the quit may have come in the middle of one (an
// opening's wait, a save's pause); what a page still holds back for the
// device (a macro saved in that pause) goes while the link stands, and an
// offline device holds nothing up. The worker stops, so that no run opens
// the link or announces the driver again; then the device hears that the
// tool is gone and the hot-plug watch and the device server stop. The
// window ends only once no library thread is inside the program any more:
// a callback still running may be waiting for this very thread, so events
// are handled throughout.
void DialogMain::endProgram(bool announceInactive)
{
    if (ending)
        return;
    ending = true;
    endWaitsForQuit();
    configurationFrame->sendSavedMacros();
    if (g_workerThread)
        g_workerThread->stop();
    if (announceInactive)
        UsbServer_SetPCDriverStatus(0);
    qDebug("close");
    StopUsbChanged();
    handleEventsFor(QuitWait);
    while (!UsbServer_Exit())
        handleEventsFor(LibraryExitPoll);
    // Unlike close(), ends a window hidden to the tray too.
    done(0);
}

// Closed by the desktop (its menu, a shortcut), the window leaves the same way.
void DialogMain::closeEvent(QCloseEvent *event)
{
    event->ignore();
    shutdown();
}

// The platform shows the tray icon's menu itself on a right click.
void DialogMain::on_activatedSysTrayIcon(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick)
        restore(false);
    else if (reason == QSystemTrayIcon::Trigger)
        restore(true);
}

void DialogMain::slotActionMain()
{
    restore(true);
}

void DialogMain::restore(bool announceDriver)
{
    show();
    if (announceDriver && configurationFrameShown())
        UsbServer_SetPCDriverStatus(1);
    if (trayIcon)
        trayIcon->hide();
}

bool DialogMain::configurationFrameShown() const
{
    return ui->stackedWidgetMain->currentIndex() == ConfigurationFrame;
}

void DialogMain::slotActionExitApp()
{
    shutdown();
}

void DialogMain::SlotUpPageLight()
{
}

void DialogMain::SlotMouseOffLine(int index)
{
    g_offlineMessageIndex = index;
    MouseOffLine dialog;
    placeDialog(&dialog, this, 0, -20);
    g_offlineSeen = true;
    g_offlineDialogShown = true;
    dialog.exec();
}

void DialogMain::mousePressEvent(QMouseEvent *event)
{
    pressGlobalPos = event->globalPos();
    pressWindowPos = pos();
    dragOffset = pressGlobalPos - pressWindowPos;
}

void DialogMain::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::LeftButton && !isMaximized() && !dragOffset.isNull())
        move(event->globalPos() - dragOffset);
}

void DialogMain::mouseReleaseEvent(QMouseEvent *)
{
    dragOffset = QPoint();
}

void DialogMain::keyPressEvent(QKeyEvent *event)
{
    if (g_macroRecording)
        return;
    switch (event->key()) {
    case Qt::Key_Space:
        if (configurationFrameShown()) {
            g_matchOpen = true;
            pairChosenReceiver(this);
        } else {
            pairFromSelectionPage();
        }
        break;
    case Qt::Key_Escape:
    case Qt::Key_F12:
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit PostMsg::instance()->SigEnterKey();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

// Bringing the window back from the minimised stand-in for the tray counts
// as restoring it from the tray.
void DialogMain::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange && minimisedForTray && !isMinimized()) {
        minimisedForTray = false;
        restore(true);
    }
    QDialog::changeEvent(event);
}

// The device server is bound to the chosen device again, whatever became
// of the pairing.
void DialogMain::pairFoundReceiver()
{
    g_matchOpen = false;
    if (runPairingDialog(this) == PairingOutcome::ProgramEnded)
        return;
    const QByteArray path = CurrentDevicePath.get();
    UsbServerC_Start(path.constData(), path.constData(), deviceEventCallback);
}

// Space on the selection page pairs its single receiver, unless the
// firmware of the mouse and the receiver must be brought in line first.
void DialogMain::pairFromSelectionPage()
{
    if (FoundDeviceList.size() != 1 || FoundDeviceList.first().isWired)
        return;
    const DeviceAllInfo device = FoundDeviceList.first();
    const QString mouseVersion = recordedMouseVersion(device);
    if (mouseVersion.isEmpty()) {
        pairFoundReceiver();
        return;
    }
    const FirmwareUpdates updates = checkModelFirmware(device, mouseVersion);
    if (updates.mouse == updates.receiver) {
        pairFoundReceiver();
    } else if (updates.mouse) {
        UpDateWarning::showFirmwareWarning(this);
    } else {
        ContainReset question;
        question.setMessageText(g_mouseIsNewText);
        placeDialog(&question, this, -20, 0);
        question.exec();
        if (question.accepted)
            runFirmwareUpgrade(this, device);
    }
}
