#include "elapsedclock.h"

#include <QElapsedTimer>

namespace {

class MonotonicClock : public ElapsedClock
{
public:
    MonotonicClock() { m_timer.start(); }
    qint64 milliseconds() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};

} // namespace

ElapsedClock::~ElapsedClock() = default;

const ElapsedClock &ElapsedClock::monotonic()
{
    static const MonotonicClock clock;
    return clock;
}
