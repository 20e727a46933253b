#pragma once

#include "configinistore.h"
#include "deviceallinfo.h"

#include <HIDUsb.h>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

// Identification steps that the device-selection page and the device page
// share: both ask for the ids the same way and match them against the
// configured models the same way.

// Asks for the ids up to 10 times while both customer and model id are 0;
// returns the last answer and, in `queries`, how many questions it took.
HidDeviceIds queryDeviceIds(const QByteArray &path, int *queries = nullptr);
constexpr int MaxIdQueries = 10;

// The index (model number - 1) of the first configured model with these
// ids, or -1.
int matchConfiguredModel(int cid, int mid, const ConfigIniStore &config = *ConfigIniStore::instance());

// Option/DeviceTotal, bounded by the model groups "Drive1", "Drive2", ...
// that the file holds in a row; those groups when it is negative. Every
// loop over the models runs to this count, so no damaged file makes one
// endless. A device whose model index equals it is unrecognised.
int configuredModelCount(const ConfigIniStore &config = *ConfigIniStore::instance());

// What keeps Config.ini from finding and telling devices, one sentence
// each: no model group, a model count the groups do not back, no vendor or
// product id. Empty for a usable file; an unreadable one is told of by the
// store itself.
QStringList programSettingsProblems(const ConfigIniStore &config);

// The library answers for the chosen device (CurrentDevicePath).
bool currentDeviceAnswers();

// The device's own firmware version from its attribute record.
QString readDeviceVersion(const QByteArray &path);

// The paths a find call handed out, in its order, without missing ones.
QList<QByteArray> foundPaths(const char *const *paths, int count);

// Asks whether the device's mouse answers, and for the receiver id that
// comes with that answer.
void readOnlineState(DeviceAllInfo &device);

// A found device as known before identification: its path, the vendor and
// product id that found it, and its own firmware version.
DeviceAllInfo describeFoundDevice(const QByteArray &path, const QString &vendorId, const QString &productId);

// Option's five product-id lists (USB_PID, Wireless_PID, Wireless2_PID,
// Wireless4_PID, Wireless8_PID), in the order devices are enumerated.
QList<QStringList> configuredProductIdLists(const ConfigIniStore &config = *ConfigIniStore::instance());
// Their non-empty ids, list after list; an id in two lists stays twice.
QStringList productIdsToEnumerate(const QList<QStringList> &lists);

// The Config.ini key of a receiver kind's firmware identifier: "DM", "D4M",
// "D2M" or "D8M" for kinds 0, 1, 4 and 5; empty for a cable.
QString receiverFirmwareKey(std::uint8_t kind);
// The same by receiver class: "DM", "D2M", "D4M" or "D8M" for 1, 2, 4 and 8.
QString receiverClassFirmwareKey(int receiverClass);
