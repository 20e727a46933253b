#include "devicepagediscovery.h"

#include "appinfo.h"
#include "configinistore.h"
#include "deviceidentification.h"
#include "firmwareimagescan.h"
#include "flashdatamap.h"
#include "pagestate.h"
#include "postmsg.h"
#include "worker.h"

#include <HIDUsb.h>

#include <QDir>

QList<DeviceAllInfo> WorkerDeviceList;

namespace {

// The usage constants of the device page's enumeration.
constexpr int UsagePage = 1;
constexpr int Usage = 5;

void forgetCurrentDevice()
{
    CurrentDevice.set(DeviceAllInfo());
    g_deviceRecordLoaded = false;
}

// The mouse plugged in by cable while its receiver is chosen: same model,
// online, and holding the receiver's pairing id.
bool takesOverFromReceiver(const DeviceAllInfo &found, const DeviceAllInfo &current)
{
    return found.driveIndex == current.driveIndex && found.isWired && found.online && !current.isWired
           && found.receiverId == current.receiverId;
}

void checkFirmwareUpdates()
{
    const DeviceAllInfo current = CurrentDevice.get();
    const DeviceAllInfo *receiver = listedReceiverBesideCable();
    const QString receiverVersion = receiver ? receiver->version : QString();
    const int receiverClass = receiver ? DeviceAllInfo::receiverClass(receiver->kind) : 0;
    PostMsg *hub = PostMsg::instance();
    if (!QDir(firmwareFolderPath()).exists()) {
        emit hub->SigLabelTextB(receiverVersion, QString());
        return;
    }
    g_receiverUpdateAvailable = receiverClass != 0 && hasFirmwareUpdate(ReceiverImage, receiverVersion, receiverClass);
    g_mouseUpdateAvailable = hasFirmwareUpdate(MouseImage, current.mouseVersion, 0);
    const bool update = g_receiverUpdateAvailable || g_mouseUpdateAvailable;
    emit hub->SigLabelTextB(receiverVersion, update ? QStringLiteral("true") : QString());
}

} // namespace

const DeviceAllInfo *listedReceiverBesideCable()
{
    if (WorkerDeviceList.size() != 2)
        return nullptr;
    for (const DeviceAllInfo &device : qAsConst(WorkerDeviceList)) {
        if (!device.receiverId.isEmpty() && !device.isWired)
            return &device;
    }
    return nullptr;
}

void usbHotplugCallback()
{
    // A firmware upgrade makes its devices vanish and come back: the run
    // keeps the devices it counted, and nothing it set is cleared.
    if (!g_hotplugEnabled)
        return;
    PostMsg *hub = PostMsg::instance();
    emit hub->SigSetver(4);
    const QString vendorId = ConfigIniStore::instance()->value(QStringLiteral("Option"), QStringLiteral("VID"));
    WorkerDeviceList.clear();
    enumerateDevices(vendorId, productIdsToEnumerate(configuredProductIdLists()));

    if (WorkerDeviceList.isEmpty()) {
        forgetCurrentDevice();
        emit hub->SigChangeMainDialog(0);
    } else {
        if (!CurrentDevice.get().path.isEmpty()) {
            int elsewhere = 0;
            for (const DeviceAllInfo &found : qAsConst(WorkerDeviceList)) {
                if (takesOverFromReceiver(found, CurrentDevice.get()))
                    selectCurrentDevice(found);
                if (found.path != CurrentDevice.get().path)
                    ++elsewhere;
            }
            if (elsewhere == WorkerDeviceList.size())
                emit hub->SigChangeMainDialog(0);
        }
        if (CurrentDevice.get().isWired)
            checkFirmwareUpdates();
    }
    if (g_repairDialogVisible && !g_updateCheckBusy)
        emit hub->SigCheckUpdate();
}

void enumerateDevices(const QString &vendorId, const QStringList &productIds)
{
    const QByteArray vendor = vendorId.toLatin1();
    for (const QString &productId : productIds) {
        int count = 0;
        const char **paths = UsbFinderC_FindHidDevicesByDeviceId(vendor.constData(), productId.toLatin1().constData(),
                                                                 UsagePage, Usage, &count);
        for (const QByteArray &path : foundPaths(paths, count)) {
            DeviceAllInfo device = describeFoundDevice(path, vendorId, productId);
            if (CurrentDevice.get().path.isEmpty() || identifyWorkerDevice(device, path) != 1) {
                // Nothing is chosen while nothing is chosen.
                WorkerDeviceList.append(device);
            } else if (device.driveIndex == CurrentDevice.get().driveIndex) {
                WorkerDeviceList.append(device);
                if (device.path == CurrentDevice.get().path)
                    CurrentDevicePath.set(path);
            }
        }
    }
}

int identifyWorkerDevice(DeviceAllInfo &device, const QByteArray &path)
{
    const HidDeviceIds ids = queryDeviceIds(path);
    device.isWired = DeviceAllInfo::isWiredKind(ids.kind);
    const int model = (ids.cid != 0 || ids.mid != 0) ? matchConfiguredModel(ids.cid, ids.mid) : -1;
    if (model < 0) {
        device.driveIndex = configuredModelCount();
        return 0;
    }
    device.cid = ids.cid;
    device.mid = ids.mid;
    device.kind = ids.kind;
    device.driveIndex = model;

    readOnlineState(device);

    CurrentDevice.update([&](DeviceAllInfo &current) {
        if (current.path != device.path)
            return;
        const DeviceAllInfo previous = current;
        current = device;
        if (current.version.isEmpty())
            current.version = previous.version;
        if (current.mouseVersion.isEmpty())
            current.mouseVersion = previous.mouseVersion;
    });
    return 1;
}

void selectCurrentDevice(const DeviceAllInfo &device)
{
    const QByteArray path = device.path.toLatin1();
    if ((UsbFinderC_GetDeviceOnLine(path.constData()) & 0xFF) != 0) {
        if (CurrentDevice.get().path != device.path)
            g_deviceRecordLoaded = false;
        CurrentDevice.set(device);
        CurrentDevicePath.set(path);
    }
    if (g_workerThread)
        g_workerThread->requestRun();
}
