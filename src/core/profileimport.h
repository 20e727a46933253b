#pragma once

#include "flashdatamap.h"

#include <QString>

class QIODevice;

// Reads a profile file exported for a mouse model: three QDataStream byte
// blocks, the marker "Dedid", the sensor id of the model it was made for,
// and the configuration record.

enum ProfileImportResult {
    ProfileAccepted = 0,
    // The file cannot be opened, is no regular file, or is not a whole
    // profile file.
    ProfileUnreadable = 1,
    // The profile was made for another sensor, or holds more DPI levels than
    // the model has.
    ProfileForAnotherModel = 2,
};

// Checks the profile against the chosen device's model and, when it is
// accepted, puts its record into `destination`. A record block shorter than
// a record counts as unreadable: nothing but the file's bytes may reach the
// device.
int importProfileFile(const QString &path, FlashDataMap *destination);
int readProfile(QIODevice *device, const QString &modelSensor, int modelDpiLevels, FlashDataMap *destination);
