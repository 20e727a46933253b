#pragma once

#include <HIDUsb.h>

#include <QByteArray>
#include <QString>

// Identification steps that the device-selection page and the device page
// share: both ask for the ids the same way and match them against the
// configured models the same way.

// Asks for the ids up to 10 times while both customer and model id are 0;
// returns the last answer.
HidDeviceIds queryDeviceIds(const QByteArray &path);

// The index (model number - 1) of the first configured model with these
// ids, or -1.
int matchConfiguredModel(int cid, int mid);

// Option/DeviceTotal: a device whose model index equals it is unrecognised.
int configuredModelCount();

// The library answers for the chosen device (CurrentDevicePath).
bool currentDeviceAnswers();

// The device's own firmware version from its attribute record.
QString readDeviceVersion(const QByteArray &path);
