#pragma once

#include "flashdatamap.h"

#include <QString>

class QIODevice;

// The last configuration read from each device model, kept in the data
// folder's "Device_Info" as "Device_CID<cid>_MID<mid>.bin": one QDataStream
// byte block, a 32-bit big-endian length (10,428) and the record.

QString deviceCachePath(const QString &fileName);

// Writes through a temporary file, so a crash mid-write leaves the old file
// whole. A file that cannot be written is skipped.
void saveDeviceConfigCache(const QString &fileName, const FlashDataMap &record);

// Removes what saves that never finished left beside the caches. Only the
// one running instance may call it: another's save in progress looks alike.
void removeUnfinishedCacheWrites();

// True when a whole record was read; a longer block gives its first 10,428
// bytes. Otherwise false, and `destination` is all zeros.
bool loadDeviceConfigCache(const QString &fileName, FlashDataMap *destination);
bool readDeviceConfigCache(QIODevice *device, FlashDataMap *destination);

// Saves DeviceProtocolData as the cache of the chosen device, under the name
// the last full read gave it, but only when the record holds what that very
// device delivered (its full read or an imported profile): never a record of
// zeros or of another device, never under an empty name.
void saveChosenDeviceCache();
