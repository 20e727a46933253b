#include "eventwait.h"

#include <QEventLoop>
#include <QTimer>

void waitWithEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
