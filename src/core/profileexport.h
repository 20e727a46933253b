#pragma once

#include "flashdatamap.h"

#include <QString>

class QIODevice;

// Writes a profile file, the one the profile import reads back: three
// QDataStream byte blocks, the marker "Dedid" and the chosen model's sensor
// id, each in 12 bytes, then the configuration record, 10,464 bytes in all.

// Writes the file whole or not at all: a failed write leaves no half file
// and an existing file as it was. False when nothing was written.
bool exportProfileFile(const QString &path, const FlashDataMap &record);
void writeProfile(QIODevice *device, const QString &sensorId, const FlashDataMap &record);
