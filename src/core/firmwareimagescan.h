#pragma once

#include "deviceallinfo.h"

#include <QString>

// Firmware images in the "bin" folder beside the program: kind 210 for the
// mouse, 211 for the receiver.

// True when an image of that kind, customer id, model id and identifier
// carries another version than `version` (or `version` is empty).
bool checkFirmwareFile(int kind, const QString &version, const QString &identifier, int cid, int mid);

// The repair dialog's twin of checkFirmwareFile, with the same arguments
// and answer, keeping the image it finds for the repair.
bool findFirmwareFiles(int kind, const QString &version, const QString &identifier, int cid, int mid);

// The check for the current model: the identifier comes from Config.ini,
// by kind and, for 211, by receiver class (1, 2, 4 or 8).
bool readVersionInfo(int kind, const QString &version, int receiverClass);

// What the images beside the program offer a device's model: another mouse
// firmware than `mouseVersion` (the version the mouse last reported), and
// another receiver firmware than the device's own version. A receiver of the
// 2000, 4000 or 8000 Hz class whose model names no image identifier for its
// class, and a cable, have no receiver update.
struct FirmwareUpdates
{
    bool mouse = false;
    bool receiver = false;
};
FirmwareUpdates checkModelFirmware(const DeviceAllInfo &device, const QString &mouseVersion);
