#pragma once

// Waits `milliseconds` while the thread's event loop keeps handling events,
// so hub signals, timers and deliveries from other threads still run. The
// wait is measured on a monotonic clock. Once the program ends
// (g_programEnding) a running wait returns at once and a new one does not
// wait: false then, so that the caller goes no further. GUI thread only.
bool waitWithEvents(int milliseconds);

// The program ends: sets g_programEnding and ends every running wait.
void endWaitsForQuit();

// Handles events for `milliseconds` whether or not the program ends: the
// quit itself must, until the device library has left the program.
void handleEventsFor(int milliseconds);
