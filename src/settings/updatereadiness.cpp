#include "updatereadiness.h"

#include "currentmodel.h"
#include "deviceidentification.h"
#include "devicepagediscovery.h"
#include "deviceregistry.h"
#include "firmwareimagescan.h"
#include "languagetables.h"
#include "pagestate.h"

#include <HIDUsb.h>

namespace {

// Positions of the settings page's texts.
enum FormText {
    NoDevice = 15, SameDevice = 17, VerNew = 18, NoRecieve = 23, NoUSB = 24, Error = 25, MultiMouse = 26,
    MultiDongle = 27
};

// The receiver class a failure record names: exactly "1", "2", "4" or "8".
int recordedClass(const QString &text)
{
    for (const int receiverClass : {1, 2, 4, 8}) {
        if (text == QString::number(receiverClass))
            return receiverClass;
    }
    return 0;
}

} // namespace

UpdateReadiness UpdateReadiness::check(const QString &receiverVersion, const QString &mouseVersion)
{
    UpdateReadiness readiness;
    switch (WorkerDeviceList.size()) {
    case 0:
        readiness.refuse(Error);
        break;
    case 1:
        readiness.checkFailedUpdate(receiverVersion, mouseVersion);
        break;
    case 2:
        readiness.checkPair(receiverVersion, mouseVersion);
        break;
    default:
        readiness.checkCrowd();
        break;
    }
    return readiness;
}

void UpdateReadiness::refuse(int textPosition)
{
    ready = false;
    message = languageText(LanguageSection::FormSetting, currentLanguageIndex, textPosition);
}

void UpdateReadiness::checkPair(const QString &receiverVersion, const QString &mouseVersion)
{
    const DeviceAllInfo &first = WorkerDeviceList.at(0);
    const DeviceAllInfo &second = WorkerDeviceList.at(1);
    if (!first.isWired && !second.isWired)
        return refuse(NoUSB);
    if (first.mid != second.mid)
        return refuse(NoRecieve);
    const DeviceAllInfo *receiver = listedReceiverBesideCable();
    if (!receiver)
        return refuse(NoRecieve);
    receiverClass = DeviceAllInfo::receiverClass(receiver->kind);
    receiverIdent = currentModelValue(receiverClassFirmwareKey(receiverClass));
    const int cid = configuredCustomerId();
    const int mid = currentModelValue(QStringLiteral("MID")).toInt();
    const bool receiverNewer = checkFirmwareFile(ReceiverImage, receiverVersion, receiverIdent, cid, mid);
    const bool mouseNewer = checkFirmwareFile(MouseImage, mouseVersion, currentModelValue(QStringLiteral("MM")), cid, mid);
    g_mouseUpdateAvailable = mouseNewer;
    if (!receiverNewer && !mouseNewer) {
        nothingNewer = true;
        return refuse(VerNew);
    }
    imageCount = receiverNewer && mouseNewer ? 2 : 1;
    ready = true;
}

void UpdateReadiness::checkFailedUpdate(const QString &receiverVersion, const QString &mouseVersion)
{
    const DeviceAllInfo device = WorkerDeviceList.first();
    const QStringList record = firmwareFailureRecord().split(QLatin1Char(','));
    if (record.size() != 4)
        return refuse(device.isWired ? NoRecieve : NoUSB);
    const int failedKind = record.at(0).toInt();
    const int failedCid = record.at(2).toInt();
    const int failedMid = record.at(3).toInt();
    // A failed receiver is repaired over the mouse's cable, a failed mouse
    // through its receiver.
    if (failedKind == ReceiverImage) {
        if (!device.isWired || device.mid != failedMid)
            return refuse(NoUSB);
    } else if (failedKind == MouseImage) {
        mouseRepairPending = true;
        if (device.isWired || device.mid != failedMid)
            return refuse(NoRecieve);
    } else {
        return refuse(Error);
    }
    receiverClass = recordedClass(record.at(1));
    const QString repairReceiverIdent =
        receiverClass != 0 ? currentModelValue(receiverClassFirmwareKey(receiverClass)) : QString();
    if (device.cid != failedCid)
        return refuse(Error);
    const int mid = currentModelValue(QStringLiteral("MID")).toInt();
    const QString failedIdent = failedKind == ReceiverImage ? repairReceiverIdent : currentModelValue(QStringLiteral("MM"));
    // Without an image there is nothing to hand the library.
    if (!checkFirmwareFile(failedKind, QString(), failedIdent, failedCid, mid))
        return refuse(VerNew);
    int waiting = 5;
    UsbUpgradeC_FindBootDevices(reinterpret_cast<const unsigned char *>(FirmwareImageList.first().constData()),
                                &waiting);
    if (waiting != 1)
        return refuse(waiting == 0 ? NoDevice : SameDevice);
    const bool otherNewer = failedKind == ReceiverImage
                                ? checkFirmwareFile(MouseImage, mouseVersion, currentModelValue(QStringLiteral("MM")), configuredCustomerId(), mid)
                                : checkFirmwareFile(ReceiverImage, receiverVersion, repairReceiverIdent,
                                                    configuredCustomerId(), mid);
    imageCount = otherNewer ? 2 : 1;
    ready = true;
}

void UpdateReadiness::checkCrowd()
{
    int mice = 0;
    for (const DeviceAllInfo &device : qAsConst(WorkerDeviceList))
        mice += device.isWired ? 1 : 0;
    refuse(mice > 1 ? MultiMouse : MultiDongle);
}
