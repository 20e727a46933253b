#pragma once

#include "deviceallinfo.h"

#include <QList>
#include <QString>
#include <QStringList>

// While the configuration frame is shown, the library calls
// usbHotplugCallback on every device change (on the GUI thread). It keeps
// CurrentDevice and CurrentDevicePath on the chosen device, lets the mouse's
// cable take over from its receiver, starts the worker for the new link,
// and sends the window back to the selection page when the device is gone.
// While a firmware upgrade runs (g_hotplugEnabled cleared) it does nothing.

void usbHotplugCallback();
void enumerateDevices(const QString &vendorId, const QStringList &productIds);
// 1 when the device matched a configured model.
int identifyWorkerDevice(DeviceAllInfo &device, const QByteArray &path);
void selectCurrentDevice(const DeviceAllInfo &device);

// The devices the last device-page enumeration found (GUI thread only).
extern QList<DeviceAllInfo> WorkerDeviceList;

// The receiver listed beside a mouse on its cable: with exactly two devices
// listed, the first receiver of them that gave its pairing id; else null.
const DeviceAllInfo *listedReceiverBesideCable();
