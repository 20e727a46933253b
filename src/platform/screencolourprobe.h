#pragma once

#include <QPoint>

#include <optional>

// A colour as the screen shows it, each part 0 to 255.
struct ScreenColour
{
    int red = 0;
    int green = 0;
    int blue = 0;
};

// What the colour board asks of the desktop: the primary screen's width in
// the units of the cursor position (logical) and in the units of the grab
// (physical), and a 2 x 2 grab at a point in grab units. Windows gives the
// cursor in logical pixels and grabs in physical ones, so the cursor
// position is scaled by physical / logical before the grab.
class ScreenColourProbe
{
public:
    virtual ~ScreenColourProbe();

    virtual int logicalScreenWidth() const = 0;
    virtual int physicalScreenWidth() const = 0;
    // The colour of the top-left pixel of a 2 x 2 grab at `point`, none
    // when the desktop gives no picture there.
    virtual std::optional<ScreenColour> grabPixel(const QPoint &point) const = 0;

    // The colour under the cursor at `cursor` (logical units). Both
    // coordinates take the horizontal scale, truncated toward zero.
    std::optional<ScreenColour> colourAt(const QPoint &cursor) const;
};
