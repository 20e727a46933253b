#pragma once

#include "deviceallinfo.h"

#include <QString>
#include <QStringList>

// Discovery behind the device-selection page: the hot-plug callback the
// library calls while the page is shown, the enumeration of every device of
// the configured vendor and product ids, the identification of each against
// the configured models, and the online query of one found device. Fills
// FoundDeviceList and g_foundDeviceListB (founddevices.h). GUI thread only:
// the library posts its hot-plug calls there.

// Registered with StartUsbChanged while the selection page is shown.
void DeviceSelectionCallback();

// Appends every recognised device of the vendor and product ids to both
// found lists, in product-id order, then in the library's order.
void discoverDevices(const QString &vendorId, const QStringList &productIds);

// Matches the device against the configured models. A device whose ids
// match no model, or that does not name them within nine questions, stays
// listed as an unrecognised model (driveIndex = the model count) while at
// least one model is configured; false drops it.
bool identifyDevice(DeviceAllInfo &device);

// Asks entry k of FoundDeviceList again whether its mouse answers and for
// its receiver id.
void refreshTileOnline(int k);

// Puts `device` in place of entry k of FoundDeviceList and of the entry
// with the same path in g_foundDeviceListB.
void replaceFoundDevice(int k, const DeviceAllInfo &device);
