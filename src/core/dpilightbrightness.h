#pragma once

// The DPI light's brightness: the user picks one of ten steps, the device
// record holds a byte (16, 30, 60, 90, 128, 150, 180, 210, 230, 255).

constexpr int DpiLightBrightnessSteps = 10;

// The record byte of step 1 to 10; steps outside are kept within them.
int dpiLightBrightnessByte(int step);

// The step whose byte is exactly `byte`; any other byte comes back
// unchanged, for a slider of steps 1 to 10 to keep within its range.
int dpiLightBrightnessStep(int byte);
