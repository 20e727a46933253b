#pragma once

#include "deviceallinfo.h"

#include <HIDUsb.h>

#include <QList>
#include <QStringList>

#include <atomic>

// What the device-selection page found, for the windows that act on it:
// the top-level window's pairing shortcut, the pairing dialog and the
// firmware repair. GUI thread only.

// The devices of the last discovery, in discovery order: tile i shows
// entry i. Receiver entries of a mouse that is also on its cable are left
// out of it.
extern QList<DeviceAllInfo> FoundDeviceList;
// Every device of the last discovery, kept up to date with FoundDeviceList.
extern QList<DeviceAllInfo> g_foundDeviceListB;

// Option's five product-id lists as the last discovery read them.
extern QStringList g_usbPidList;
extern QStringList g_wirelessPidList;
extern QStringList g_wireless2PidList;
extern QStringList g_wireless4PidList;
extern QStringList g_wireless8PidList;

// Which device the pairing dialog pairs: true, g_matchTargetPath (the
// device being opened, or on the configuration frame the chosen device);
// false, the single entry of FoundDeviceList.
extern std::atomic<bool> g_matchOpen;
extern DeviceAllInfo g_matchTargetPath;

// The interval every hot-plug registration hands the library.
constexpr int HotplugInterval = 600;

// The selection page's hot-plug callback, which the pairing dialog
// registers again when it closes; null until the page exists.
extern UsbChangeCallback g_selectionHotplugCallback;
