#include "dpirange.h"

#include <limits>

namespace {

constexpr int ItemsPerSegment = 3;

int decimal(const QString &text)
{
    return text.trimmed().toInt();
}

// Steps from a configured value may leave the int range; the slider clamps
// what comes back to its own range anyway.
int clampedSum(int value, qint64 delta)
{
    const qint64 sum = qint64(value) + delta;
    return int(qBound<qint64>(std::numeric_limits<int>::min(), sum, std::numeric_limits<int>::max()));
}

bool holds(const DpiRange::Segment &segment, int value)
{
    return segment.minimum <= value && value <= segment.maximum;
}

bool inGap(int value, const DpiRange::Segment &before, const DpiRange::Segment &after)
{
    return before.maximum < value && value < after.minimum;
}

} // namespace

DpiRange DpiRange::fromItems(const QStringList &items)
{
    DpiRange range;
    if (!items.isEmpty())
        range.m_flags = items.last().trimmed().toInt(nullptr, 16);
    range.m_count = (items.size() - 1) / ItemsPerSegment;
    if (range.m_count < 1 || range.m_count > MostSegments)
        return range;
    for (int s = 0; s < range.m_count; ++s) {
        const int first = ItemsPerSegment * s;
        range.m_segments.append(
            {decimal(items.at(first)), decimal(items.at(first + 1)), decimal(items.at(first + 2))});
    }
    range.m_minimumText = items.first();
    range.m_maximumText = items.at(ItemsPerSegment * range.m_count - 2);
    return range;
}

QVector<int> DpiRange::minimums() const
{
    QVector<int> values;
    for (const Segment &segment : m_segments)
        values.append(segment.minimum);
    return values;
}

QVector<int> DpiRange::maximums() const
{
    QVector<int> values;
    for (const Segment &segment : m_segments)
        values.append(segment.maximum);
    return values;
}

DpiRange::Snapped DpiRange::snap(int value) const
{
    for (int i = 0; i < m_segments.size(); ++i) {
        const Segment &segment = m_segments.at(i);
        if (holds(segment, value)) {
            if (segment.step <= 0)
                return {value, 0};
            return {value - value % segment.step, segment.step};
        }
        if (i + 1 < m_segments.size() && inGap(value, segment, m_segments.at(i + 1))) {
            const Segment &next = m_segments.at(i + 1);
            return {next.minimum, qMax(next.step, 0)};
        }
    }
    return {value, 0};
}

int DpiRange::stepUp(int value) const
{
    const int last = m_segments.size() - 1;
    for (int i = 0; i < last; ++i) {
        const Segment &segment = m_segments.at(i);
        if (segment.minimum <= value && value < segment.maximum)
            return clampedSum(value, segment.step);
        if (segment.maximum <= value && value < m_segments.at(i + 1).minimum)
            return m_segments.at(i + 1).minimum;
    }
    if (last >= 0 && holds(m_segments.at(last), value))
        return clampedSum(value, m_segments.at(last).step);
    return value;
}

int DpiRange::stepDown(int value) const
{
    const int last = m_segments.size() - 1;
    for (int i = 0; i < last; ++i) {
        const Segment &segment = m_segments.at(i);
        if (holds(segment, value))
            return clampedSum(value, -qint64(segment.step));
        if (inGap(value, segment, m_segments.at(i + 1)))
            return m_segments.at(i + 1).minimum;
    }
    if (last >= 0 && holds(m_segments.at(last), value))
        return clampedSum(value, -qint64(m_segments.at(last).step));
    return value;
}
