#pragma once

#include "deviceallinfo.h"
#include "firmwareimageheader.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The firmware image files of the firmware folder ("*.bin", see
// firmwareFolderPath): kind MouseImage or ReceiverImage. An
// image matches a request when its kind, customer id, model id and
// identifier are the ones asked for; an empty version asks for any. Files
// that cannot be opened, are shorter than a header or are larger than
// MaxImageSize are no images and are skipped. GUI thread only.

constexpr qint64 MaxImageSize = 4 * 1024 * 1024;

// The settings page's image: entry 0 is what its update hands the library.
extern QList<QByteArray> FirmwareImageList;
// The repair dialog's image, kept apart from the settings page's.
extern QList<QByteArray> RepairImageList;

// Scans in name order, letters compared without case, and loads the last
// update found into FirmwareImageList (emptied first). An image of the same
// version text is no update; one whose version reads as the same number
// ("1.1" against "1.10", or two texts that are no numbers) ends the scan
// with what earlier files gave.
bool checkFirmwareFile(int kind, const QString &version, const QString &identifier, int cid, int mid);
// The same answer, FirmwareImageList left as it is.
bool checkFirmwareFileB(int kind, const QString &version, const QString &identifier, int cid, int mid);

// The repair dialog's search: fills RepairImageList (emptied first) with the
// last matching image of another version text, without the scan's
// same-number stop.
bool findFirmwareFiles(int kind, const QString &version, const QString &identifier, int cid, int mid);

// Whether an update exists for the current device's model: MouseImage the
// mouse, else the receiver of class 1, 2, 4 or 8 (any other class has
// none). Option's CID and the model's MID and identifiers come from
// Config.ini.
bool hasFirmwareUpdate(int kind, const QString &version, int receiverClass);

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
