#include "firmwarerepairrun.h"

#include "configinistore.h"
#include "currentmodel.h"
#include "deviceidentification.h"
#include "deviceregistry.h"
#include "firmwareimagescan.h"
#include "founddevices.h"
#include "languagetables.h"
#include "pagestate.h"
#include "postmsg.h"
#include "progressstep.h"
#include "upgradereport.h"

#include <HIDUsb.h>

#include <algorithm>

FirmwareRepairRun *FirmwareRepairRun::s_running = nullptr;

namespace {

// What the library may report as devices waiting in boot mode.
constexpr int BootDevicesAsked = 5;

// "AutoRepair" positions.
enum RepairText {
    NoDevice = 4, SameDevice = 5, UpdateFail = 6, NoRecieve = 9, NoUSB = 10, FileError = 12, MultiMouse = 14,
    MultiDongle = 15
};

QString repairText(int position)
{
    return languageText(LanguageSection::AutoRepair, currentLanguageIndex, position);
}

QString modelValue(const QString &group, const char *key)
{
    return ConfigIniStore::instance()->value(group, QLatin1String(key));
}

// The receiver product ids of the class a failure record names.
QStringList receiverProductIds(const QString &classText)
{
    if (classText == QLatin1String("1"))
        return g_wirelessPidList;
    if (classText == QLatin1String("2"))
        return g_wireless2PidList;
    if (classText == QLatin1String("4"))
        return g_wireless4PidList;
    return classText == QLatin1String("8") ? g_wireless8PidList : QStringList();
}

int devicesWithProductIds(const QStringList &productIds)
{
    return int(std::count_if(g_foundDeviceListB.cbegin(), g_foundDeviceListB.cend(),
                             [&productIds](const DeviceAllInfo &device) { return productIds.contains(device.pid); }));
}

} // namespace

FirmwareRepairRun::FirmwareRepairRun(QObject *parent)
    : QObject(parent)
{
}

FirmwareRepairRun::~FirmwareRepairRun()
{
    if (s_running == this)
        s_running = nullptr;
}

FirmwareRepairRun::Outcome FirmwareRepairRun::refuse(int textPosition, QString *message) const
{
    *message = repairText(textPosition);
    return Outcome::Refused;
}

FirmwareRepairRun::Outcome FirmwareRepairRun::checkRepairNeeded(QString *message)
{
    const QStringList record = firmwareFailureRecord().split(QLatin1Char(','));
    if (record.size() != 4)
        return Outcome::Nothing;
    receiverClass = 0;
    failedKind = record.at(0).toInt();
    const QString &midText = record.at(3);
    const int crowd = deviceCountRefusal(midText);
    if (crowd >= 0)
        return refuse(crowd, message);
    const int receivers = failedKind == ReceiverImage ? listedReceiverCount(record.at(1)) : 0;
    stage = 0;
    if (directStart) {
        imageReady = true;
    } else {
        const int wrongDevice = deviceKindRefusal(midText);
        if (wrongDevice >= 0)
            return refuse(wrongDevice, message);
        findModel(midText, record.at(1));
        cid = record.at(2).toInt();
        findImages();
    }

    int waiting = 0;
    if (!RepairImageList.isEmpty()) {
        waiting = BootDevicesAsked;
        UsbUpgradeC_FindBootDevices(imageBytes(RepairImageList.first()), &waiting);
    }
    const int total = waiting + receivers;
    // Without an image nothing could start: the ready view would offer a
    // start that does nothing.
    if (!imageReady)
        return refuse(total > 1 ? SameDevice : FileError, message);
    if (total == 1)
        return Outcome::Ready;
    g_upgradeRunning = false;
    return refuse(total == 0 ? NoDevice : SameDevice, message);
}

// More than one device listed: only one mouse and one receiver, and the
// one of the failed kind of the recorded model.
int FirmwareRepairRun::deviceCountRefusal(const QString &midText) const
{
    if (FoundDeviceList.isEmpty())
        return NoDevice;
    if (FoundDeviceList.size() == 1)
        return -1;
    const auto wired = std::find_if(FoundDeviceList.cbegin(), FoundDeviceList.cend(),
                                    [](const DeviceAllInfo &device) { return device.isWired; });
    const auto other = std::find_if(FoundDeviceList.cbegin(), FoundDeviceList.cend(),
                                    [](const DeviceAllInfo &device) { return !device.isWired; });
    const int wiredCount = int(std::count_if(FoundDeviceList.cbegin(), FoundDeviceList.cend(),
                                             [](const DeviceAllInfo &device) { return device.isWired; }));
    const int otherCount = FoundDeviceList.size() - wiredCount;
    if (wiredCount >= 2)
        return MultiMouse;
    if (otherCount >= 2)
        return MultiDongle;
    if (failedKind == MouseImage && wiredCount == 1 && wired->mid != midText.toInt())
        return MultiMouse;
    if (failedKind == ReceiverImage && otherCount == 1 && other->mid != midText.toInt())
        return MultiDongle;
    return -1;
}

// A failed receiver is repaired with the mouse on its cable, a failed mouse
// through its receiver.
int FirmwareRepairRun::deviceKindRefusal(const QString &midText) const
{
    const DeviceAllInfo &first = FoundDeviceList.first();
    const bool recordedModel = first.mid == midText.toInt();
    if (failedKind == ReceiverImage && (!first.isWired || !recordedModel))
        return NoUSB;
    if (failedKind == MouseImage && (first.isWired || !recordedModel))
        return NoRecieve;
    return -1;
}

// The receivers listed of any class; a single one counts only when it is
// of the class the record names.
int FirmwareRepairRun::listedReceiverCount(const QString &classText) const
{
    const int receivers = devicesWithProductIds(g_wirelessPidList + g_wireless2PidList + g_wireless4PidList
                                                + g_wireless8PidList);
    return receivers == 1 ? devicesWithProductIds(receiverProductIds(classText)) : receivers;
}

// The first configured model of the recorded model id names the images.
void FirmwareRepairRun::findModel(const QString &midText, const QString &classText)
{
    const int models = configuredModelCount();
    modelGroup.clear();
    for (int model = 1; model <= models && modelGroup.isEmpty(); ++model) {
        const QString group = QStringLiteral("Drive%1").arg(model);
        if (modelValue(group, "MID") == midText)
            modelGroup = group;
    }
    mouseIdentifier = modelValue(modelGroup, "MM");
    for (const int recordedClass : {1, 2, 4, 8}) {
        if (classText == QString::number(recordedClass))
            receiverClass = recordedClass;
    }
    const QString key = receiverClassFirmwareKey(receiverClass);
    receiverIdentifier = key.isEmpty() ? QString() : ConfigIniStore::instance()->value(modelGroup, key);
    mid = modelValue(modelGroup, "MID").toInt();
}

// Leaves the image of the failed part in RepairImageList.
void FirmwareRepairRun::findImages()
{
    const bool mouseImage = findFirmwareFiles(MouseImage, QString(), mouseIdentifier, cid, mid);
    const bool receiverImage = findFirmwareFiles(ReceiverImage, QString(), receiverIdentifier, cid, mid);
    imageCount = mouseImage && receiverImage ? 2 : 1;
    imageReady = false;
    if (failedKind == ReceiverImage) {
        finalStage = 0;
        imageReady = findFirmwareFiles(ReceiverImage, QString(), receiverIdentifier, cid, mid);
    } else if (failedKind == MouseImage) {
        finalStage = 1;
        imageReady = findFirmwareFiles(MouseImage, QString(), mouseIdentifier, cid, mid);
    }
}

// The receiver the device is linked through gets its model's image; the
// mouse follows only when it is on its cable, and nothing was recorded.
void FirmwareRepairRun::prepareDirect(const DeviceAllInfo &device)
{
    directStart = true;
    imageReady = true;
    modelGroup = device.driveGroup();
    receiverClass = DeviceAllInfo::receiverClass(device.kind);
    const QString key = receiverClassFirmwareKey(receiverClass);
    receiverIdentifier = key.isEmpty() ? QString() : ConfigIniStore::instance()->value(modelGroup, key);
    mouseIdentifier = modelValue(modelGroup, "MM");
    cid = configuredCustomerId();
    mid = modelValue(modelGroup, "MID").toInt();
    finalStage = -1;
    const bool bothImages = findFirmwareFiles(ReceiverImage, QString(), receiverIdentifier, cid, mid)
                            && findFirmwareFiles(MouseImage, QString(), mouseIdentifier, cid, mid);
    imageCount = bothImages && mouseOnCable() ? 2 : 1;
}

bool FirmwareRepairRun::mouseOnCable() const
{
    return finalStage == 1 || std::any_of(FoundDeviceList.cbegin(), FoundDeviceList.cend(), [this](const DeviceAllInfo &device) {
               return device.isWired && device.mid == mid;
           });
}

FirmwareRepairRun::Outcome FirmwareRepairRun::startFirmwareUpgrade(QString *message)
{
    if (!imageReady)
        return Outcome::Nothing;
    if (findFirmwareFiles(ReceiverImage, QString(), receiverIdentifier, cid, mid)) {
        stage = 0;
    } else {
        stage = 1;
        if (!findFirmwareFiles(MouseImage, QString(), mouseIdentifier, cid, mid))
            return refuse(FileError, message);
    }
    g_upgradeRunning = true;
    g_hotplugEnabled = false;
    imageReady = startImage();
    if (imageReady)
        return Outcome::Started;
    endUpgrade();
    return refuse(UpdateFail, message);
}

// A start the library refuses touched nothing: the record is as it was.
bool FirmwareRepairRun::startImage()
{
    upgradingImage = RepairImageList.first();
    s_running = this;
    recordBeforeWrite = recordFirmwareWrite(stageKind(), receiverClass, cid, mid);
    if (UsbUpgrade_Start(imageBytes(upgradingImage), upgradeProgressCallback, UpgradeLimitMs) != 0)
        return true;
    setFirmwareFailureRecord(recordBeforeWrite);
    return false;
}

int FirmwareRepairRun::stageKind() const
{
    return stage == 0 ? ReceiverImage : MouseImage;
}

void FirmwareRepairRun::upgradeProgressCallback(const unsigned char *report)
{
    postUpgradeReport(report, [](const QByteArray &bytes) {
        if (s_running)
            s_running->handleReport(bytes);
    });
}

// With two images the receiver fills the bar's first half, the mouse the
// second.
void FirmwareRepairRun::handleReport(const QByteArray &report)
{
    if (report.at(0) != 7)
        return;
    const int value = quint8(report.at(2));
    if (report.at(1) == 1) {
        progressReported = true;
        const int percent = imageCount == 2 ? value / 2 + (stage == 1 ? 50 : 0) : value;
        emit PostMsg::instance()->SigAutoRepairProgress(percent);
    } else if (report.at(1) == 2) {
        progressReported = false;
        finishStage(value == 1);
    }
}

void FirmwareRepairRun::finishStage(bool succeeded)
{
    if (!succeeded)
        return reportFailure();
    PostMsg *hub = PostMsg::instance();
    // The part that failed is whole again; a receiver written before a
    // failed mouse leaves the mouse's record waiting.
    if (stage == finalStage)
        clearFirmwareFailure();
    else
        setFirmwareFailureRecord(recordBeforeWrite);
    if (stage == 0) {
        stage = 1;
        const bool mouseImage = findFirmwareFiles(MouseImage, QString(), mouseIdentifier, cid, mid);
        if (mouseImage && mouseOnCable()) {
            if (startImage())
                return;
            emit hub->SigAutoRepair(1);
            emit hub->SigProgress(0, ShowRepairFailure);
            return endUpgrade();
        }
        // A failed mouse whose image is gone still waits; otherwise the
        // receiver, repaired or upgraded directly, was all there was to do.
        if (finalStage == 1) {
            emit hub->SigAutoRepair(1);
            emit hub->SigUpDateButton(true);
            emit hub->SigProgress(0, ShowRepairHalfDone);
            return endUpgrade();
        }
    }
    emit hub->SigAutoRepair(0);
    emit hub->SigUpDateButton(true);
    emit hub->SigProgress(0, ShowSuccess);
    endUpgrade();
}

// The record names the part that failed, for the next repair.
void FirmwareRepairRun::reportFailure()
{
    PostMsg *hub = PostMsg::instance();
    emit hub->SigAutoRepair(1);
    emit hub->SigUpDateButton(false);
    emit hub->SigProgress(0, ShowRepairFailure);
    recordFirmwareFailure(stageKind(), receiverClass, cid, mid);
    endUpgrade();
}

void FirmwareRepairRun::endUpgrade()
{
    g_upgradeRunning = false;
    g_hotplugEnabled = true;
    if (s_running == this)
        s_running = nullptr;
}
