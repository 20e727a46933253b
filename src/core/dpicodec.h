#pragma once

#include "dpirange.h"
#include "sensorcapabilities.h"

#include <QString>

#include <cstdint>

// How one sensor stores a DPI number in a level entry of the device record:
// a value byte (the same for X and Y) and a flags byte whose bits pick the
// unit (0x22: 100 DPI instead of 50, 0x11: doubled). Sensors "3395" and
// "3950" carry two more value bits in the flags. A table sensor, one whose
// id the capability file's "SENSOR_<id>_DPI_<dpi>" rows name, takes its
// values from those rows instead.
class DpiCodec
{
public:
    struct Encoded
    {
        int value;
        int flags;
    };

    DpiCodec(const QString &sensorId, const DpiRange &range, const SensorCapabilities &capabilities);

    bool isTableSensor() const;

    // `levelFlags`: the level's flags in the record now; they pick the unit
    // of a table sensor's value when no row names a DPI number.
    Encoded encode(int dpi, int levelFlags) const;
    // The DPI number a stored entry stands for; 0 for a table sensor's
    // value that no row holds.
    int decode(std::uint8_t valueByte, std::uint8_t flags) const;

private:
    struct Unit
    {
        int multiplier;
        int flags;
    };

    Unit unitFor(int dpi) const;
    bool isWideSensor() const;
    int arithmeticValue(int dpi, Unit unit) const;
    int tableValue(int dpi, Unit unit, int fallback) const;

    const QString m_sensorId;
    const DpiRange m_range;
    const SensorCapabilities m_capabilities;
};
