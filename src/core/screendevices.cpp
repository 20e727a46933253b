#include "screendevices.h"

#include "deviceidentification.h"

#include <HIDUsb.h>

Guarded<QString> screenVendorId;
Guarded<QStringList> screenDeviceIds;
Guarded<QStringList> screenDevicePaths;

namespace {

constexpr int ScreenUsagePage = 1;
constexpr int ScreenUsage = 8;

} // namespace

void enumerateScreenDevices()
{
    const QByteArray vendor = screenVendorId.get().toLatin1();
    QStringList paths;
    for (const QString &productId : screenDeviceIds.get()) {
        int count = 0;
        const char **found = UsbFinderC_FindHidDevicesByDeviceId(
            vendor.constData(), productId.toLatin1().constData(), ScreenUsagePage, ScreenUsage, &count);
        for (const QByteArray &path : foundPaths(found, count))
            paths.append(QString::fromLatin1(path));
    }
    screenDevicePaths.set(paths);
}
