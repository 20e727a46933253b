#include "screencolourprobe.h"

ScreenColourProbe::~ScreenColourProbe() = default;

std::optional<ScreenColour> ScreenColourProbe::colourAt(const QPoint &cursor) const
{
    const int logical = logicalScreenWidth();
    // A desktop that reports no width is taken as unscaled rather than
    // dividing by zero.
    const double scale = logical > 0 ? double(physicalScreenWidth()) / logical : 1.0;
    return grabPixel(QPoint(int(cursor.x() * scale), int(cursor.y() * scale)));
}
