#include "dpicodec.h"

#include <QtGlobal>

#include <limits>

namespace {

constexpr int Step100 = 0x22;
constexpr int Doubled = 0x11;
constexpr int FourTimes = 0x33;
// Where the wide sensors keep value bits 8 and 9 (written twice, read here).
constexpr int HighBitsRead = 0xC0;

constexpr int BaseUnit = 50;
constexpr int ByteValueMax = 255;
constexpr int WideValueMax = 1023;

} // namespace

DpiCodec::DpiCodec(const QString &sensorId, const DpiRange &range, const SensorCapabilities &capabilities)
    : m_sensorId(sensorId)
    , m_range(range)
    , m_capabilities(capabilities)
{
}

bool DpiCodec::isTableSensor() const
{
    return m_capabilities.isTableSensor(m_sensorId);
}

bool DpiCodec::isWideSensor() const
{
    return m_sensorId == QLatin1String("3395") || m_sensorId == QLatin1String("3950");
}

// The segment that holds a DPI decides how large a unit its value counts.
DpiCodec::Unit DpiCodec::unitFor(int dpi) const
{
    const QVector<DpiRange::Segment> &segments = m_range.segments();
    if (m_range.flags() == FourTimes) {
        static const Unit BySegment[] = {{1, 0}, {2, Step100}, {2, Doubled}, {4, FourTimes}};
        for (int s = segments.size() - 1; s >= 0; --s) {
            if (segments.at(s).minimum <= dpi)
                return BySegment[s];
        }
    } else if (m_range.flags() == Step100 || m_range.flags() == Doubled) {
        if (!segments.isEmpty() && dpi > segments.first().maximum)
            return {2, m_range.flags()};
    }
    return {1, 0};
}

DpiCodec::Encoded DpiCodec::encode(int dpi, int levelFlags) const
{
    const Unit unit = unitFor(dpi);
    if (isTableSensor()) {
        const int fallback = dpi / ((levelFlags & Step100) ? 2 * BaseUnit : BaseUnit);
        return {tableValue(dpi, unit, fallback), unit.flags};
    }
    const int value = arithmeticValue(dpi, unit);
    int flags = unit.flags;
    if (isWideSensor()) {
        const int high = value >> 8;
        flags |= (high | high << 4) << 2;
    }
    return {value, flags};
}

// A DPI the encoding cannot reach gets the nearest value it has, instead of
// wrapping around to a small one.
int DpiCodec::arithmeticValue(int dpi, Unit unit) const
{
    return qBound(0, dpi / (BaseUnit * unit.multiplier) - 1, isWideSensor() ? WideValueMax : ByteValueMax);
}

// A DPI without a row of its own takes the row of the nearest DPI, so that
// it reads back as a DPI the sensor has rather than as 0. A table has no
// high bits: whatever the value byte cannot hold is clamped like the
// arithmetic values.
int DpiCodec::tableValue(int dpi, Unit unit, int fallback) const
{
    int value = fallback;
    m_capabilities.nearestTableValueOf(m_sensorId, dpi / unit.multiplier, &value);
    return qBound(0, value, ByteValueMax);
}

int DpiCodec::decode(std::uint8_t valueByte, std::uint8_t flags) const
{
    const int unitsPerValue = ((flags & Step100) ? 2 : 1) * ((flags & Doubled) ? 2 : 1);
    if (!isTableSensor()) {
        const int high = isWideSensor() ? (flags & HighBitsRead) << 2 : 0;
        return ((valueByte | high) + 1) * BaseUnit * unitsPerValue;
    }
    int dpi = 0;
    if (!m_capabilities.tableDpiOf(m_sensorId, valueByte, &dpi))
        return 0;
    return int(qBound<qint64>(0, qint64(dpi) * unitsPerValue, std::numeric_limits<int>::max()));
}
