#pragma once

#include "elapsedclock.h"

// A clock that stands still until the test moves it, for windows that time
// the keys they are given. Link talvo_platform to use it.
class ManualClock : public ElapsedClock
{
public:
    qint64 milliseconds() const override { return m_now; }
    void advance(qint64 milliseconds) { m_now += milliseconds; }

private:
    qint64 m_now = 0;
};
