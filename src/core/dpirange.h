#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// One mouse model's DPI range, the "DPIRange" key of its Config.ini group:
// one to four segments of minimum, maximum and step (decimal), then the
// flags of the value encoding (hexadecimal). Both DPI panels snap and step
// their values by these rules, and the encoder picks its flags from them.
class DpiRange
{
public:
    struct Segment
    {
        int minimum;
        int maximum;
        int step;
    };

    // A value moved onto the range, and the page step of the segment that
    // now holds it (0 where the slider keeps its own).
    struct Snapped
    {
        int value;
        int pageStep;
    };

    static constexpr int MostSegments = 4;

    DpiRange() = default;
    // The last item is the flags; before it, whole segments of three items,
    // a stray item or two left over. Texts that are no number read as 0.
    // Fewer than one or more than four whole segments give no segments.
    static DpiRange fromItems(const QStringList &items);

    int flags() const { return m_flags; }
    // The number of whole segments the list holds, also beyond four.
    int count() const { return m_count; }
    // Empty unless the count is 1 to 4.
    const QVector<Segment> &segments() const { return m_segments; }
    QVector<int> minimums() const;
    QVector<int> maximums() const;
    // The first segment's minimum and the last one's maximum as written,
    // the DPI slider's range; empty without segments.
    QString minimumText() const { return m_minimumText; }
    QString maximumText() const { return m_maximumText; }

    // A value inside a segment drops to its step; one in a gap between two
    // segments goes up to the next segment's minimum; others stay. A step
    // of 0 or less moves nothing.
    Snapped snap(int value) const;
    // "+" and "-": a step inside the segment that holds the value; from a
    // gap, or "+" from a segment's maximum, to the next segment's minimum.
    int stepUp(int value) const;
    int stepDown(int value) const;

private:
    int m_flags = 0;
    int m_count = 0;
    QVector<Segment> m_segments;
    QString m_minimumText;
    QString m_maximumText;
};
