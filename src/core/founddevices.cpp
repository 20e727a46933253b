#include "founddevices.h"

QList<DeviceAllInfo> FoundDeviceList;
QList<DeviceAllInfo> g_foundDeviceListB;
QStringList g_usbPidList;
QStringList g_wirelessPidList;
QStringList g_wireless2PidList;
QStringList g_wireless4PidList;
QStringList g_wireless8PidList;
std::atomic<bool> g_matchOpen{false};
DeviceAllInfo g_matchTargetPath;
UsbChangeCallback g_selectionHotplugCallback = nullptr;
