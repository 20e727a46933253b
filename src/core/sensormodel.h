#pragma once

#include "dpicodec.h"
#include "dpirange.h"
#include "sensorcapabilities.h"

#include <QString>

class ConfigIniStore;

// The sensor of the model whose record the sensor page showed last, and what
// Config.ini and the capability file say of it. The sensor page reads the
// capability file when it is built and the model's keys on every fill; the
// DPI encoder and both DPI panels read the result. GUI thread only.

// The "Sensor" key of the model, "3395" for example.
extern QString currentSensorId;
// The feature switches and the DPI tables of the capability file.
extern SensorCapabilities g_sensorCapabilities;
// The "DPIRange" key of the model: its segments and encoding flags.
extern DpiRange g_dpiRange;

// Takes the sensor id and the DPI range of the model group "Drive" + driveNumber.
void readSensorModel(const ConfigIniStore &settings, int driveNumber);
// How many levels the model shows: its "DPIMaxGrade", at most the record's
// eight, whatever the model claims.
int modelDpiLevelCount(const ConfigIniStore &settings, int driveNumber);

// Whether a feature switch names the sensor: its value text holds the id
// (any notation, case-sensitive). An empty id or text names no sensor.
bool switchNamesSensor(const QString &switchText, const QString &sensorId);
// The same for the current sensor and one of the six switches.
bool currentSensorHas(const QString &switchName);

// The current sensor's codec.
DpiCodec currentDpiCodec();
// Stores `dpi` as level `level`'s value through the level's sender; level -1
// (no level chosen) and levels the record does not have store nothing.
void encodeDpiValue(int level, int dpi);
// The DPI a stored level entry stands for with the current sensor.
int decodeDpiValue(std::uint8_t valueByte, std::uint8_t flags);
