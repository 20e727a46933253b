#pragma once

#include "screencolourprobe.h"

// The colour pick on this platform, through Qt's screen grab of the primary
// screen. Qt 5 gives the cursor position and takes the grab's area both in
// device-independent pixels and scales to the device itself, so both widths
// are reported in those units: the scale stays 1 and is not applied twice.
class QtScreenColourProbe : public ScreenColourProbe
{
public:
    int logicalScreenWidth() const override;
    int physicalScreenWidth() const override;
    // None where the platform grabs nothing (offscreen, some Wayland
    // desktops) or the grab holds no pixel.
    std::optional<ScreenColour> grabPixel(const QPoint &point) const override;
};
