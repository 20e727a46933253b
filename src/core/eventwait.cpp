#include "eventwait.h"

#include "pagestate.h"

#include <QEventLoop>
#include <QTimer>
#include <QVector>

namespace {

// The loops of the waits running now, innermost last.
QVector<QEventLoop *> runningWaits;

} // namespace

void handleEventsFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitWithEvents(int milliseconds)
{
    if (g_programEnding)
        return false;
    QEventLoop loop;
    runningWaits.append(&loop);
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    runningWaits.removeOne(&loop);
    return !g_programEnding;
}

void endWaitsForQuit()
{
    g_programEnding = true;
    for (QEventLoop *loop : qAsConst(runningWaits))
        loop->quit();
}
