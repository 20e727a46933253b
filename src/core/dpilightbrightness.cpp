#include "dpilightbrightness.h"

#include <QtGlobal>

#include <array>

namespace {

constexpr std::array<int, DpiLightBrightnessSteps> StepBytes = {16, 30, 60, 90, 128, 150, 180, 210, 230, 255};

} // namespace

int dpiLightBrightnessByte(int step)
{
    return StepBytes[std::size_t(qBound(1, step, DpiLightBrightnessSteps) - 1)];
}

int dpiLightBrightnessStep(int byte)
{
    for (int step = 1; step <= DpiLightBrightnessSteps; ++step) {
        if (StepBytes[std::size_t(step - 1)] == byte)
            return step;
    }
    return byte;
}
