#pragma once

#include "flashdatamap.h"

#include <QString>

class SensorCapabilities;

// The device side of the key page's bindings: the key sequences of media
// functions and key combinations, sent with their key entry {5, 0, 0}, and
// the codes of fixed DPI values. Each sender returns true when the device
// took the binding; the page then records it and changes the caption.
// Device keys are 0 to 5.

// The consumer-control usage of a media function, chosen by its low byte
// (0xE2 gives 0x00E2, Mute); 0 for a low byte no function has.
int consumerUsageFromLowByte(int lowByte);
// Press and release of the usage, each followed by 10 ms.
KeyData consumerKeyData(int usage);
// The low byte of a media function's sequence (page byte 2 in its first
// step), or -1 when the sequence is a key combination.
int consumerLowByteOf(const KeyData &data);

bool KeyBindingEncoder(int key, int lowByte);
bool AssignKeyCombination(int key, const QString &text);

// The code of a fixed DPI value and back, for the sensor of id `sensorId`,
// stored as a DPI level stores it in steps of 50: a table-driven sensor
// takes the value of its row nearest that DPI (the lower one on a tie), any
// other counts DPI in steps of 50 from 50 (code 15 is 800).
int DpiCodeForValue(const SensorCapabilities &capabilities, const QString &sensorId, int dpi);
int DpiValueForCode(const SensorCapabilities &capabilities, const QString &sensorId, int code);
