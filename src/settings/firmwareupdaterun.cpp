#include "firmwareupdaterun.h"

#include "appinfo.h"
#include "configinistore.h"
#include "currentmodel.h"
#include "deviceidentification.h"
#include "devicepagediscovery.h"
#include "deviceregistry.h"
#include "firmwareimageheader.h"
#include "firmwareimagescan.h"
#include "languagetables.h"
#include "pagestate.h"
#include "postmsg.h"
#include "progressstep.h"
#include "updatereadiness.h"
#include "upgradereport.h"

#include <HIDUsb.h>

#include <QFile>
#include <QTimer>

#include <algorithm>
#include <numeric>

FirmwareUpdateRun *FirmwareUpdateRun::s_current = nullptr;

namespace {

constexpr int TickMs = 1000;

// Positions of the settings page's texts.
enum FormText { NoDevice = 15, SameDevice = 17, UpToDate = 18 };

QString formText(int position)
{
    return languageText(LanguageSection::FormSetting, currentLanguageIndex, position);
}

int modelMid()
{
    return currentModelValue(QStringLiteral("MID")).toInt();
}

int wiredDeviceCount()
{
    return int(std::count_if(WorkerDeviceList.cbegin(), WorkerDeviceList.cend(),
                             [](const DeviceAllInfo &device) { return device.isWired; }));
}

// The library's eight lines about the failed upgrade; a line it did not
// fill is written empty.
void writeUpgradeLog()
{
    QFile log(dataFolderPath() + QStringLiteral("/Exception/UpDateLog.txt"));
    if (!log.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return;
    const char *const *lines = UsbUpgradeC_GetLogs();
    for (int line = 0; line < HIDUSB_UPGRADE_LOG_LINES; ++line) {
        if (lines && lines[line])
            log.write(lines[line]);
        log.write("\n");
    }
}

} // namespace

FirmwareUpdateRun::FirmwareUpdateRun(std::function<QString(Target)> deviceVersion, QObject *parent)
    : QObject(parent)
    , deviceVersion(std::move(deviceVersion))
    , dongleCheckTimer(new QTimer(this))
    , mouseCheckTimer(new QTimer(this))
{
    dongleCheckTimer->setObjectName(QStringLiteral("dongleCheckTimer"));
    mouseCheckTimer->setObjectName(QStringLiteral("mouseCheckTimer"));
    dongleCheckTimer->setInterval(TickMs);
    mouseCheckTimer->setInterval(TickMs);
    connect(dongleCheckTimer, &QTimer::timeout, this, [this] { step(Target::Receiver); });
    connect(mouseCheckTimer, &QTimer::timeout, this, [this] { step(Target::Mouse); });
    s_current = this;
}

FirmwareUpdateRun::~FirmwareUpdateRun()
{
    if (s_current == this)
        s_current = nullptr;
}

int FirmwareUpdateRun::currentReceiverClass()
{
    const DeviceAllInfo current = CurrentDevice.get();
    if (!current.isWired)
        return DeviceAllInfo::receiverClass(current.kind);
    const DeviceAllInfo *receiver = listedReceiverBesideCable();
    return receiver ? DeviceAllInfo::receiverClass(receiver->kind) : 0;
}

int &FirmwareUpdateRun::state(Target target)
{
    return target == Target::Receiver ? receiverUpgradeState : mouseUpgradeState;
}

int FirmwareUpdateRun::state(Target target) const
{
    return target == Target::Receiver ? receiverUpgradeState : mouseUpgradeState;
}

bool &FirmwareUpdateRun::noNewImage(Target target)
{
    return target == Target::Receiver ? receiverNoNewImage : mouseNoNewImage;
}

int &FirmwareUpdateRun::noticeReasonOf(Target target)
{
    return target == Target::Receiver ? receiverNoticeReason : mouseNoticeReason;
}

int FirmwareUpdateRun::noticeReason(Target target) const
{
    return target == Target::Receiver ? receiverNoticeReason : mouseNoticeReason;
}

bool FirmwareUpdateRun::isRunning(Target target) const
{
    return target == Target::Receiver ? receiverUpdateRunning : mouseUpdateRunning;
}

bool FirmwareUpdateRun::runInProgress() const
{
    return dongleCheckTimer->isActive() || mouseCheckTimer->isActive();
}

int *FirmwareUpdateRun::bootCountOf(int receiverClass)
{
    switch (receiverClass) {
    case 1: return &bootCounts[0];
    case 2: return &bootCounts[1];
    case 4: return &bootCounts[2];
    case 8: return &bootCounts[3];
    default: return nullptr;
    }
}

void FirmwareUpdateRun::clearNotice(Target target)
{
    noticeReasonOf(target) = NoNotice;
    emit noticeChanged(target, false);
}

void FirmwareUpdateRun::forgetOutcome()
{
    if (runInProgress())
        return;
    clearNotice(Target::Mouse);
    clearNotice(Target::Receiver);
    receiverNoNewImage = false;
    mouseNoNewImage = false;
    mouseUpdateRunning = false;
    receiverUpdateRunning = false;
}

// Both notices go; the device page stops watching devices come and go,
// which they do while their firmware is written.
void FirmwareUpdateRun::begin(Target target)
{
    g_updateCheckBusy = true;
    updatePhase = 0;
    clearNotice(Target::Receiver);
    clearNotice(Target::Mouse);
    g_hotplugEnabled = false;
    if (target == Target::Receiver) {
        dongleCheckTimer->start();
        receiverUpdateRunning = true;
    } else {
        mouseCheckTimer->start();
        mouseUpdateRunning = true;
    }
}

// A mouse on its cable is updated only when the device page lists it first.
void FirmwareUpdateRun::startMouseRun()
{
    const DeviceAllInfo current = CurrentDevice.get();
    if (current.isWired
        && (WorkerDeviceList.isEmpty() || !WorkerDeviceList.first().isWired
            || WorkerDeviceList.first().mid != current.mid)) {
        tellResult(ShowHalfDone);
        return;
    }
    if (!mouseNoNewImage && !receiverUpdateRunning) {
        begin(Target::Mouse);
    } else if (mouseNoNewImage) {
        endReason = formText(UpToDate);
        emit upToDate();
    }
}

void FirmwareUpdateRun::startReceiverRun()
{
    receiverClass = currentReceiverClass();
    if (!receiverNoNewImage && !mouseUpdateRunning)
        begin(Target::Receiver);
}

void FirmwareUpdateRun::startOfferedRun()
{
    imageWritten = false;
    resultTold = false;
    endReason = formText(NoDevice);
    bootCounts = {};
    const bool receiverImage = checkFirmwareFile(ReceiverImage, deviceVersion(Target::Receiver), receiverIdent,
                                                 configuredCustomerId(), modelMid() & 0xFF);
    if (!receiverImage && mouseRepairPending) {
        chainedUpdate = true;
        startMouseRun();
    } else if (receiverUpgradeState != Running && mouseUpgradeState != Running && !mouseUpdateRunning
               && !receiverNoNewImage) {
        begin(Target::Receiver);
    } else if (receiverNoNewImage) {
        endReason = formText(UpToDate);
        emit updateOffered(false);
        continueChain();
    }
    endIfOver();
}

void FirmwareUpdateRun::continueChain()
{
    bootCounts = {};
    const auto doneWith = [](int upgradeState) { return upgradeState == Succeeded || upgradeState == NothingToDo; };
    if (g_mouseUpdateAvailable && doneWith(receiverUpgradeState)) {
        chainedUpdate = true;
        startMouseRun();
    }
    if (g_receiverUpdateAvailable && doneWith(mouseUpgradeState)) {
        chainedUpdate = true;
        startReceiverRun();
    }
}

bool FirmwareUpdateRun::checkUpdate(QString *message)
{
    const UpdateReadiness readiness =
        UpdateReadiness::check(deviceVersion(Target::Receiver), deviceVersion(Target::Mouse));
    receiverClass = readiness.receiverClass;
    mouseRepairPending = readiness.mouseRepairPending;
    receiverIdent = readiness.receiverIdent;
    if (readiness.imageCount != 0)
        upgradeImageCount = readiness.imageCount;
    if (readiness.nothingNewer)
        receiverNoNewImage = true;
    *message = readiness.message;
    return readiness.ready;
}

void FirmwareUpdateRun::step(Target target)
{
    switch (updatePhase) {
    case 0:
        findImage(target);
        break;
    case 1:
        countTargetsAndStart(target);
        break;
    case 2:
        // The state became Running when the upgrade started.
        updatePhase = 3;
        break;
    case 3:
        if (state(target) != Running)
            updatePhase = 4;
        break;
    case 4:
        finishRun(target);
        break;
    default:
        break;
    }
}

void FirmwareUpdateRun::findImage(Target target)
{
    configCid = configuredCustomerId();
    configMid = modelMid();
    bool found = false;
    if (target == Target::Mouse) {
        found = checkFirmwareFile(MouseImage, deviceVersion(Target::Mouse), currentModelValue(QStringLiteral("MM")),
                                  configCid, configMid);
    } else {
        receiverTargets.clear();
        const QString key = receiverClassFirmwareKey(receiverClass);
        const QString identifier = key.isEmpty() ? QString() : currentModelValue(key);
        if (receiverClass == 1 || !identifier.isEmpty()) {
            // Any version: a receiver in boot mode may run any.
            found = checkFirmwareFile(ReceiverImage, QString(), identifier, configCid, configMid);
            if (found)
                UsbUpgradeC_FindBootDevices(imageBytes(FirmwareImageList.first()), bootCountOf(receiverClass));
        }
        const DeviceAllInfo current = CurrentDevice.get();
        for (const DeviceAllInfo &device : qAsConst(WorkerDeviceList)) {
            if (!device.isWired && (current.isWired || device.path == current.path))
                receiverTargets.append(device.path);
        }
    }
    if (!found && receiverClass != 0)
        endWithNothingToDo(target);
    else
        updatePhase = 1;
}

void FirmwareUpdateRun::countTargetsAndStart(Target target)
{
    const int targets = target == Target::Mouse
                            ? wiredDeviceCount() + (mouseRepairPending ? 1 : 0)
                            : receiverTargets.size() + std::accumulate(bootCounts.cbegin(), bootCounts.cend(), 0);
    if (targets != 1) {
        showNoTarget(target, targets);
        return;
    }
    const bool found = target == Target::Mouse
                           ? checkFirmwareFile(MouseImage, deviceVersion(Target::Mouse),
                                               currentModelValue(QStringLiteral("MM")), configCid, configMid)
                           : loadReceiverImage();
    if (found)
        startUpgrade(target);
    else
        endWithNothingToDo(target);
}

void FirmwareUpdateRun::endWithNothingToDo(Target target)
{
    state(target) = NothingToDo;
    finishTarget(target);
    noNewImage(target) = true;
    endReason = formText(UpToDate);
}

// A receiver waiting in boot mode takes its image whatever the version;
// one that runs takes a newer one than it reports.
bool FirmwareUpdateRun::loadReceiverImage()
{
    for (const int waitingClass : {1, 2, 4, 8}) {
        if (*bootCountOf(waitingClass) == 1)
            return checkFirmwareFile(ReceiverImage, QString(), currentModelValue(receiverClassFirmwareKey(waitingClass)),
                                     configCid, configMid);
    }
    if (receiverClass == 2 || receiverClass == 4 || receiverClass == 8) {
        unsigned short word = 0;
        const QByteArray path = receiverTargets.first().toLatin1();
        const QString version = UsbFinderC_GetSlaveVersion(path.constData(), &word) != 0
                                    ? DeviceAllInfo::versionText(word)
                                    : QString();
        return checkFirmwareFile(ReceiverImage, version, currentModelValue(receiverClassFirmwareKey(receiverClass)),
                                 configCid, configMid);
    }
    return checkFirmwareFile(ReceiverImage, deviceVersion(Target::Receiver), currentModelValue(QStringLiteral("DM")),
                             configCid, configMid);
}

// The state is Running from the start on, so that a report the library
// sends before the next tick counts. A start the library refuses touched
// nothing: the run ends as failed, and the record is as it was.
void FirmwareUpdateRun::startUpgrade(Target target)
{
    upgradeKind = target == Target::Mouse ? MouseImage : ReceiverImage;
    upgradingImage = FirmwareImageList.first();
    state(target) = Running;
    recordBeforeWrite = recordFirmwareWrite(upgradeKind, receiverClass, configCid, configMid);
    if (UsbUpgrade_Start(imageBytes(upgradingImage), upgradeCallback, UpgradeLimitMs) != 0) {
        updatePhase = 2;
        return;
    }
    setFirmwareFailureRecord(recordBeforeWrite);
    state(target) = Failed;
    tellResult(ShowFailure);
    updatePhase = 4;
}

// A run the user started shows the target's notice mark; one the program
// chained tells why in the warning dialog once the update dialog has told
// its result, else the update dialog tells it as the run ends.
void FirmwareUpdateRun::showNoTarget(Target target, int targets)
{
    state(target) = Idle;
    finishTarget(target);
    endReason = targets > 1                 ? formText(SameDevice)
                : target == Target::Mouse ? g_updateWarningText
                                          : formText(NoDevice);
    if (chainedUpdate) {
        chainedUpdate = false;
        if (imageWritten || resultTold)
            emit warningRaised(endReason);
    } else {
        noticeReasonOf(target) = targets > 1 ? SeveralTargets : NoTarget;
        emit noticeChanged(target, true);
    }
}

void FirmwareUpdateRun::finishRun(Target target)
{
    if (target == Target::Receiver)
        receiverUpdateRunning = false;
    else
        mouseUpdateRunning = false;
    finishTarget(target);
    chainedUpdate = false;
    dongleCheckTimer->stop();
    mouseCheckTimer->stop();
    g_updateCheckBusy = false;
    if (target == Target::Receiver && mouseRepairPending) {
        chainedUpdate = true;
        startMouseRun();
    } else if (target == Target::Receiver) {
        continueChain();
    }
    endIfOver();
}

void FirmwareUpdateRun::tellResult(int step)
{
    resultTold = true;
    emit PostMsg::instance()->SigProgress(0, step);
}

// Nothing runs any more. A receiver written as the first of two images
// tells its success now that no mouse image followed it; a run that wrote
// nothing says why.
void FirmwareUpdateRun::endIfOver()
{
    if (runInProgress() || resultTold)
        return;
    if (imageWritten)
        tellResult(ShowSuccess);
    else
        emit endedWithoutResult(endReason);
}

void FirmwareUpdateRun::finishTarget(Target target)
{
    g_hotplugEnabled = true;
    switch (state(target)) {
    case NothingToDo:
        clearNotice(target);
        if (target == Target::Mouse)
            emit upToDate();
        emit updateOffered(false);
        break;
    case Succeeded:
        clearNotice(target);
        clearFirmwareFailure();
        emit updateOffered(false);
        (target == Target::Receiver ? g_receiverUpdateAvailable : g_mouseUpdateAvailable) = false;
        break;
    case Running:
        clearNotice(target);
        clearFirmwareFailure();
        break;
    default:
        break;
    }
    updatePhase = 4;
}

void FirmwareUpdateRun::upgradeCallback(const unsigned char *report)
{
    postUpgradeReport(report, [](const QByteArray &bytes) {
        if (s_current)
            s_current->handleReport(bytes);
    });
}

// Two images share the bar: the receiver fills its first half, the mouse
// the second.
void FirmwareUpdateRun::handleReport(const QByteArray &report)
{
    if (report.at(0) != 7)
        return;
    const int value = quint8(report.at(2));
    PostMsg *hub = PostMsg::instance();
    if (report.at(1) == 1) {
        if (receiverUpgradeState == Running)
            emit hub->SigProgress(upgradeImageCount == 1 ? value : value / 2, ShowProgress);
        if (mouseUpgradeState == Running)
            emit hub->SigProgress(upgradeImageCount == 1 ? value : value / 2 + 50, ShowProgress);
    } else if (report.at(1) == 2) {
        if (value == 1)
            reportSuccess();
        else
            reportFailure();
    }
}

// A mouse whose repair waits behind the receiver keeps its record until
// its own image is written.
void FirmwareUpdateRun::reportSuccess()
{
    FirmwareImageHeader header;
    FirmwareImageHeader::read(upgradingImage, &header);
    const QString version = header.versionText();
    PostMsg *hub = PostMsg::instance();
    if (receiverUpgradeState == Running) {
        receiverUpgradeState = Succeeded;
        imageWritten = true;
        if (upgradeImageCount == 1)
            tellResult(ShowSuccess);
        emit hub->SigLabelText(0, version);
    }
    if (mouseUpgradeState == Running) {
        mouseUpgradeState = Succeeded;
        imageWritten = true;
        recordMouseVersion(ConfigIniStore::instance()->value(QStringLiteral("Option"), QStringLiteral("CID")),
                           currentModelValue(QStringLiteral("MID")), version);
        tellResult(ShowSuccess);
        emit hub->SigLabelText(1, version);
    }
    if (upgradeKind == ReceiverImage && mouseRepairPending)
        setFirmwareFailureRecord(recordBeforeWrite);
    else
        clearFirmwareFailure();
}

// The record lets the repair find the part that failed; the log tells what
// the library saw.
void FirmwareUpdateRun::reportFailure()
{
    writeUpgradeLog();
    g_mouseUpdateAvailable = false;
    g_receiverUpdateAvailable = false;
    for (const Target target : {Target::Receiver, Target::Mouse}) {
        if (state(target) == Running)
            state(target) = Failed;
    }
    tellResult(ShowFailure);
    recordFirmwareFailure(upgradeKind, receiverClass, configCid, configMid);
}
