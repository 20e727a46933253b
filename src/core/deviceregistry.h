#pragma once

#include "deviceallinfo.h"

#include <QString>

// Values the program keeps under the registry key
// "HKEY_CURRENT_USER\Software\" + appName + "\" + appName + "\Mouse Drive Test":
// the record of a failed firmware update and the mouse versions last reported.
QString mouseDriveTestKey();

// The mouse firmware version last reported for a model, stored under
// "MouseVer" + the customer id text + the model id text as Config.ini gives
// them; empty when that model never reported one.
QString recordedMouseVersion(const QString &cidText, const QString &midText);
// The same for the model of `device`, with Option's CID and its group's MID.
QString recordedMouseVersion(const DeviceAllInfo &device);
void recordMouseVersion(const QString &cidText, const QString &midText, const QString &version);

// "UpdateFailInfo": not empty while a firmware update waits to be repaired.
// Its text is the failed image's kind, the receiver class, the customer id
// and the model id, in decimal, joined by ",".
QString firmwareFailureRecord();
void recordFirmwareFailure(int kind, int receiverClass, int cid, int mid);
void clearFirmwareFailure();
// An image being written counts as failed until the write reports its end:
// a device cut off in boot mode by a quit, a kill or a power cut then
// still offers its repair at the next start. Returns the record it
// replaced, which a write the library refused, or one that leaves another
// failed part waiting, puts back with setFirmwareFailureRecord.
QString recordFirmwareWrite(int kind, int receiverClass, int cid, int mid);
// The record's whole text; an empty one removes it.
void setFirmwareFailureRecord(const QString &record);

// The key of the language choice that older versions kept in the registry:
// "HKEY_CURRENT_USER\Software\" + appName three times.
QString legacyLanguageKey();
