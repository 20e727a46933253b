#include "deviceopening.h"

#include "appinfo.h"
#include "configinistore.h"
#include "devicepagediscovery.h"
#include "firmwareimagescan.h"
#include "flashdatamap.h"
#include "pagestate.h"
#include "postmsg.h"
#include "worker.h"

#include <QDir>

namespace {

// What SigSetver asks of the settings page when a device opens.
constexpr int VersionsUnknown = 6;

} // namespace

void announceOpening(const DeviceAllInfo &device)
{
    PostMsg *hub = PostMsg::instance();
    emit hub->SigSetver(VersionsUnknown);
    const int mid = ConfigIniStore::instance()->value(device.driveGroup(), QStringLiteral("MID")).toInt();
    if (mid == 1)
        emit hub->SigMouseIndex(0);
    else if (mid == 2)
        emit hub->SigMouseIndex(1);
}

void chooseDevice(const DeviceAllInfo &device)
{
    PostMsg *hub = PostMsg::instance();
    emit hub->SigSelectMouseInfo(device);
    QString updateWaiting;
    if (QDir(firmwareFolderPath()).exists()) {
        g_receiverUpdateAvailable =
            hasFirmwareUpdate(ReceiverImage, device.version, DeviceAllInfo::receiverClass(device.kind));
        if (g_receiverUpdateAvailable)
            updateWaiting = QStringLiteral("true");
    }
    emit hub->SigLabelTextB(device.version, updateWaiting);
}

void reopenChosenDevice()
{
    g_deviceRecordLoaded = false;
    const DeviceAllInfo previous = CurrentDevice.get();
    DeviceAllInfo device = previous;
    if (identifyWorkerDevice(device, CurrentDevicePath.get()) != 1)
        device = previous;
    // The version the previous mouse reported is not this one's.
    device.mouseVersion.clear();
    announceOpening(device);
    chooseDevice(device);
    if (g_workerThread)
        g_workerThread->requestReopen();
}
