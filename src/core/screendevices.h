#pragma once

#include "guarded.h"

#include <QString>
#include <QStringList>

// The devices the receiver-screen clock talks to. The device-selection
// page's hot-plug handling sets the ids on each run; enumerateScreenDevices
// runs on the library's hot-plug thread and fills the paths the clock reads
// on the GUI thread.

// Option/VID of the program INI file.
extern Guarded<QString> screenVendorId;
// The product ids of the INI file's five product-id lists.
extern Guarded<QStringList> screenDeviceIds;
// The devices found for them, in product-id order; the first is the one the
// clock is sent to.
extern Guarded<QStringList> screenDevicePaths;

// A hot-plug callback: finds the devices of screenVendorId and every id of
// screenDeviceIds (usage page 1, usage 8) into screenDevicePaths.
void enumerateScreenDevices();
