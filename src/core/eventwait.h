#pragma once

// Waits `milliseconds` while the thread's event loop keeps handling events,
// so hub signals, timers and deliveries from other threads still run. The
// wait is measured on a monotonic clock.
void waitWithEvents(int milliseconds);
