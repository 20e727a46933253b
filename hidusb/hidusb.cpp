// The exported C functions of the simulated vendor library: each logs the
// call and hands it to the simulated bus.

#include "HIDUsb.h"
#include "simbus.h"
#include "simrecord.h"

#include <cstring>

namespace {

SimBus &bus()
{
    return SimBus::instance();
}

QString text(const char *value)
{
    return value ? QString::fromLatin1(value) : QStringLiteral("(null)");
}

void logCall(const char *name)
{
    bus().log(QLatin1String(name));
}

void logCall(const char *name, const QString &arguments)
{
    bus().log(QLatin1String(name) + QLatin1Char('(') + arguments + QLatin1Char(')'));
}

} // namespace

extern "C" {

int StartUsbChanged(UsbChangeCallback callback, int interval)
{
    logCall("StartUsbChanged", QString::number(interval));
    return bus().startWatch(callback);
}

void StopUsbChanged(void)
{
    logCall("StopUsbChanged");
    bus().stopWatch();
}

const char **UsbFinderC_FindHidDevicesByDefaultDeviceId(const char *vendorId, const char *productId,
                                                        int *count)
{
    logCall("UsbFinderC_FindHidDevicesByDefaultDeviceId", text(vendorId) + QLatin1Char(',') + text(productId));
    return bus().find(vendorId, productId, count, true);
}

// The usage constants differ between callers (1, 5 and 1, 8); any are taken.
const char **UsbFinderC_FindHidDevicesByDeviceId(const char *vendorId, const char *productId,
                                                 int usagePage, int usage, int *count)
{
    logCall("UsbFinderC_FindHidDevicesByDeviceId",
            QStringLiteral("%1,%2,%3,%4").arg(text(vendorId), text(productId)).arg(usagePage).arg(usage));
    return bus().find(vendorId, productId, count, false);
}

int UsbFinderC_GetUsbDeviceAttribute(const char *path, unsigned char *attribute)
{
    logCall("UsbFinderC_GetUsbDeviceAttribute", text(path));
    return bus().attribute(path, attribute);
}

HidDeviceIds UsbFinderC_GetDeviceInfo(const char *path)
{
    logCall("UsbFinderC_GetDeviceInfo", text(path));
    return bus().deviceIds(path);
}

int UsbFinderC_GetDeviceOnLine(const char *path)
{
    logCall("UsbFinderC_GetDeviceOnLine", text(path));
    return bus().isOnline(path) ? 1 : 0;
}

int UsbFinderC_GetDeviceOnLineWithUsbAddress(const char *path, unsigned char *info)
{
    logCall("UsbFinderC_GetDeviceOnLineWithUsbAddress", text(path));
    return bus().onlineWithAddress(path, info) ? 1 : 0;
}

int UsbFinderC_GetVersion(const char *path)
{
    logCall("UsbFinderC_GetVersion", text(path));
    return bus().mouseVersion(path);
}

int UsbFinderC_GetSlaveVersion(const char *path, unsigned short *version)
{
    logCall("UsbFinderC_GetSlaveVersion", text(path));
    return bus().receiverVersion(path, version) ? 1 : 0;
}

int UsbFinderC_Get4KDongleRGBValue(const char *path, unsigned char *dongleRgb)
{
    logCall("UsbFinderC_Get4KDongleRGBValue", text(path));
    return bus().dongleRgb(path, dongleRgb) ? 1 : 0;
}

int UsbFinderC_Set4KDongleRGB(const char *path, const unsigned char *dongleRgb)
{
    logCall("UsbFinderC_Set4KDongleRGB", text(path) + QLatin1Char(',')
                                             + QString::number(dongleRgb ? dongleRgb[0] : -1));
    return bus().setDongleRgb(path, dongleRgb) ? 1 : 0;
}

int UsbFinderC_GetLongRangeMode(const char *path, unsigned char *mode)
{
    logCall("UsbFinderC_GetLongRangeMode", text(path));
    return bus().longRange(path, mode) ? 1 : 0;
}

int UsbFinderC_SetLongRangeMode(const char *path, int on)
{
    logCall("UsbFinderC_SetLongRangeMode", text(path) + QLatin1Char(',') + QString::number(on));
    return bus().setLongRange(path, on) ? 1 : 0;
}

int UsbFinderC_SetDongleIDToMouse(const char *path, const unsigned char *dongleId)
{
    logCall("UsbFinderC_SetDongleIDToMouse", text(path));
    return bus().setDongleIdToMouse(path, dongleId) ? 1 : 0;
}

int UsbFinderC_OpenDevice(const char *path)
{
    logCall("UsbFinderC_OpenDevice", text(path));
    return bus().openDevice(path) ? 1 : 0;
}

// The simulated device echoes every packet.
int UsbFinderC_ReadWriteDeviceData(const unsigned char *request, unsigned char *reply, unsigned char length)
{
    logCall("UsbFinderC_ReadWriteDeviceData", QString::number(length));
    if (!request || !reply)
        return 0;
    std::memmove(reply, request, length);
    return 1;
}

int UsbServerC_Start(const char *path, const char *path2, UsbEventCallback callback)
{
    logCall("UsbServerC_Start", text(path) + QLatin1Char(',') + text(path2));
    return bus().server().start(path, callback);
}

int UsbServer_Exit(void)
{
    logCall("UsbServer_Exit");
    return bus().server().exit() ? 1 : 0;
}

void UsbServer_SetPCDriverStatus(int active)
{
    logCall("UsbServer_SetPCDriverStatus", QString::number(active));
    bus().server().setDriverStatus(active);
}

void UsbServer_ReadAllFlashData(void)
{
    logCall("UsbServer_ReadAllFlashData");
    bus().server().request(SimServer::Request::ReadAll);
}

void UsbServer_ReadBatteryLevel(void)
{
    logCall("UsbServer_ReadBatteryLevel");
    bus().server().request(SimServer::Request::ReadBattery);
}

void UsbServer_ReadConfig(void)
{
    logCall("UsbServer_ReadConfig");
    bus().server().request(SimServer::Request::ReadConfig);
}

void UsbServer_ReadCurrentDPI(void)
{
    logCall("UsbServer_ReadCurrentDPI");
    bus().server().request(SimServer::Request::ReadCurrentDpi);
}

void UsbServer_ReadDPILed(void)
{
    logCall("UsbServer_ReadDPILed");
    bus().server().request(SimServer::Request::ReadDpiLed);
}

void UsbServer_ReadLedBar(void)
{
    logCall("UsbServer_ReadLedBar");
    bus().server().request(SimServer::Request::ReadLedBar);
}

void UsbServer_ReadReportRate(void)
{
    logCall("UsbServer_ReadReportRate");
    bus().server().request(SimServer::Request::ReadReportRate);
}

void UsbServer_ReadVersion(void)
{
    logCall("UsbServer_ReadVersion");
    bus().server().request(SimServer::Request::ReadVersion);
}

void UsbServer_SetCurrentConfig(unsigned char index)
{
    logCall("UsbServer_SetCurrentConfig", QString::number(index));
    bus().server().setCurrentConfig(index);
}

void UsbServer_SetBatteryOptimizeEnable(int enable)
{
    logCall("UsbServer_SetBatteryOptimizeEnable", QString::number(enable));
    bus().server().setBatteryOptimize(enable);
}

void UsbServer_SetClearSetting(void)
{
    logCall("UsbServer_SetClearSetting");
    bus().server().clearSetting();
}

void UsbServer_EnterDonglePairOnlyCid(unsigned char cid)
{
    logCall("UsbServer_EnterDonglePairOnlyCid", QString::number(cid));
    bus().server().enterPairing(cid);
}

void UsbServer_ReadDonglePairStatus(void)
{
    logCall("UsbServer_ReadDonglePairStatus");
    bus().server().request(SimServer::Request::PairStatus);
}

void ProtocolDataParser(const unsigned char *dump, unsigned char *record)
{
    logCall("ProtocolDataParser");
    if (dump && record)
        SimRecord::recordFromDump(dump, record);
}

int ProtocolDataUpdate(const unsigned char *record)
{
    logCall("ProtocolDataUpdate");
    return bus().server().writeRecord(record);
}

void BufferToDPILed(const unsigned char *payload, unsigned char *dpiLed)
{
    logCall("BufferToDPILed");
    if (payload && dpiLed)
        std::memcpy(dpiLed, payload, 4);
}

void BufferToLedBar(const unsigned char *payload, unsigned char *ledBar)
{
    logCall("BufferToLedBar");
    if (payload && ledBar)
        std::memcpy(ledBar, payload, 7);
}

void GetDeviceBatteryStatus(const unsigned char *payload, unsigned char *status)
{
    logCall("GetDeviceBatteryStatus");
    if (!payload || !status)
        return;
    status[0] = payload[0];
    status[1] = payload[1];
    status[2] = 0;
    status[3] = 0;
}

void GetDeviceStatusChanged(const unsigned char *payload, unsigned char *flags)
{
    logCall("GetDeviceStatusChanged");
    if (payload && flags)
        std::memcpy(flags, payload, HIDUSB_STATUS_FLAGS_SIZE);
}

int UsbUpgradeC_FindBootDevices(const unsigned char *image, int *count)
{
    logCall("UsbUpgradeC_FindBootDevices");
    if (!image || !count)
        return 0;
    *count = bus().upgrade().bootDevices(image);
    return 1;
}

int UsbUpgrade_Start(const unsigned char *image, UpgradeCallback callback, int timeout)
{
    logCall("UsbUpgrade_Start", QString::number(timeout));
    return bus().upgrade().start(image, callback, timeout) ? 1 : 0;
}

const char **UsbUpgradeC_GetLogs(void)
{
    logCall("UsbUpgradeC_GetLogs");
    return bus().upgrade().logs();
}

} // extern "C"
