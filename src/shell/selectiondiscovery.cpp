#include "selectiondiscovery.h"

#include "configinistore.h"
#include "deviceidentification.h"
#include "deviceregistry.h"
#include "dialogchange.h"
#include "founddevices.h"
#include "pagestate.h"
#include "postmsg.h"
#include "screendevices.h"

#include <HIDUsb.h>

namespace {

// How many paths the selection page's enumeration asks for per product id.
constexpr int PathsPerProductId = 5;

} // namespace

void DeviceSelectionCallback()
{
    DialogChange *page = g_selectionPage;
    if (!page)
        return;
    page->showRepairButton(!firmwareFailureRecord().isEmpty());
    const QString vendorId = ConfigIniStore::instance()->value(QStringLiteral("Option"), QStringLiteral("VID"));
    FoundDeviceList.clear();
    g_foundDeviceListB.clear();

    const QList<QStringList> lists = configuredProductIdLists();
    g_usbPidList = lists.value(0);
    g_wirelessPidList = lists.value(1);
    g_wireless2PidList = lists.value(2);
    g_wireless4PidList = lists.value(3);
    g_wireless8PidList = lists.value(4);
    const QStringList productIds = productIdsToEnumerate(lists);
    screenVendorId.set(vendorId);
    screenDeviceIds.set(productIds);
    discoverDevices(vendorId, productIds);

    page->rebuildTiles();
    if (g_repairDialogVisible && !g_upgradeRunning)
        emit PostMsg::instance()->SigRepairCheckUpdate();
}

void discoverDevices(const QString &vendorId, const QStringList &productIds)
{
    const QByteArray vendor = vendorId.toLatin1();
    for (const QString &productId : productIds) {
        int count = PathsPerProductId;
        const char **paths =
            UsbFinderC_FindHidDevicesByDefaultDeviceId(vendor.constData(), productId.toLatin1().constData(), &count);
        for (const QByteArray &path : foundPaths(paths, count)) {
            DeviceAllInfo device = describeFoundDevice(path, vendorId, productId);
            if (identifyDevice(device)) {
                FoundDeviceList.append(device);
                g_foundDeviceListB.append(device);
            }
        }
    }
}

bool identifyDevice(DeviceAllInfo &device)
{
    const QByteArray path = device.path.toLatin1();
    int queries = 0;
    const HidDeviceIds ids = queryDeviceIds(path, &queries);
    const int models = configuredModelCount();
    // An answer that took every question is not trusted to name the model.
    const bool named = (ids.cid != 0 || ids.mid != 0) && queries < MaxIdQueries;
    const int model = named ? matchConfiguredModel(ids.cid, ids.mid) : -1;
    if (model >= 0) {
        device.cid = ids.cid;
        device.mid = ids.mid;
        device.kind = ids.kind;
        device.isWired = DeviceAllInfo::isWiredKind(ids.kind);
        device.driveIndex = model;
        if ((UsbFinderC_GetDeviceOnLine(path.constData()) & 0xFF) != 0)
            device.online = true;
        return true;
    }
    if (named && models <= 0)
        return false;
    device.isWired = DeviceAllInfo::isWiredKind(ids.kind);
    device.driveIndex = models;
    return true;
}

void refreshTileOnline(int k)
{
    if (k < 0 || k >= FoundDeviceList.size())
        return;
    DeviceAllInfo device = FoundDeviceList.at(k);
    readOnlineState(device);
    replaceFoundDevice(k, device);
}

void replaceFoundDevice(int k, const DeviceAllInfo &device)
{
    if (k < 0 || k >= FoundDeviceList.size())
        return;
    FoundDeviceList[k] = device;
    for (DeviceAllInfo &entry : g_foundDeviceListB) {
        if (entry.path == device.path) {
            entry = device;
            break;
        }
    }
}
