#pragma once

#include <QtGlobal>

// The time the keyboard windows measure between keys (a combination's time
// window, a recording's delays). The windows take a clock rather than
// reading the system's, so that tests can let time pass at will.
class ElapsedClock
{
public:
    virtual ~ElapsedClock();

    // Milliseconds on a monotonic scale; only differences mean anything.
    virtual qint64 milliseconds() const = 0;

    // The system's monotonic clock.
    static const ElapsedClock &monotonic();
};
