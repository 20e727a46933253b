// Runs the program as main() does, on the simulated devices, and leaves it
// by the road the first argument names: "close" (the configuration frame's
// close button), "tray" (the tray's exit) or "SIGTERM", "SIGHUP", "SIGINT"
// (the desktop session ending). With "device" as the second argument the
// default device is opened first and its record read; a third argument
// takes the road while Space's pairing dialog is open ("pairing") or as the
// settings-update wait of an opening runs out while the mouse takes longer
// than the wait's checks to answer ("waiting"). At
// exit it prints every library call made from the moment the road was
// taken, one a line, whether the single-instance segment was still held
// when the window had gone, and how long after the road it ended (for
// tst_shutdown and tst_dialogmain).

#include "appinfo.h"
#include "deviceeventcallback.h"
#include "dialog.h"
#include "dialogchange.h"
#include "dialogmain.h"
#include "flashdatamap.h"
#include "programrun.h"
#include "startup.h"
#include "updataparam.h"
#include "worker.h"

#include <hidusb_sim.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QSharedMemory>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

bool segmentHeldAfterTheWindow = false;
QElapsedTimer sinceRoad;
// The mouse's answers wait this long in the "waiting" case; the road is
// taken just before the wait's 2.5 s are over.
constexpr int SlowMouseLatency = 10000;
constexpr int RoadIntoTheWait = 2400;

void printCallLog()
{
    for (const QString &call : HidUsbSim::callLog())
        std::printf("%s\n", qPrintable(call));
    std::printf("segment held after the window: %s\n", segmentHeldAfterTheWindow ? "yes" : "no");
    std::printf("ended %lld ms after the road\n", sinceRoad.elapsed());
    std::fflush(stdout);
}

DialogMain *window()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<DialogMain *>(widget))
            return found;
    }
    return nullptr;
}

bool deviceRead()
{
    return g_deviceRecordLoaded && deviceCacheName.get() == g_selectedDeviceCacheName.get();
}

void takeRoad(const QString &road)
{
    HidUsbSim::clearCallLog();
    sinceRoad.start();
    DialogMain *main = window();
    QObject::connect(main, &QObject::destroyed, [] {
        QSharedMemory segment(appName);
        segmentHeldAfterTheWindow = segment.attach(QSharedMemory::ReadOnly);
    });
    if (road == QLatin1String("close"))
        main->findChild<Dialog *>()->findChild<QAbstractButton *>(QStringLiteral("CloseButton"))->click();
    else if (road == QLatin1String("tray"))
        main->slotActionExitApp();
    else if (road == QLatin1String("SIGTERM"))
        ::kill(::getpid(), SIGTERM);
    else if (road == QLatin1String("SIGHUP"))
        ::kill(::getpid(), SIGHUP);
    else if (road == QLatin1String("SIGINT"))
        ::kill(::getpid(), SIGINT);
}

// The dialog runs its own event loop until the road ends it.
void pairThenTakeRoad(const QString &road)
{
    QTimer::singleShot(300, [road] { takeRoad(road); });
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QCoreApplication::sendEvent(window(), &space);
}

bool waitShown()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<UpDataParam *>(widget) && widget->isVisible())
            return true;
    }
    return false;
}

// Polled: the window, its tiles and the device's record come in their time.
void drive(const QString &road, bool openDevice, const QString &during)
{
    auto *poll = new QTimer(qApp);
    poll->start(20);
    QObject::connect(poll, &QTimer::timeout, [poll, road, openDevice, during, clicked = false]() mutable {
        QWidget *tile = g_selectionPage ? g_selectionPage->findChild<QWidget *>(QStringLiteral("btn0")) : nullptr;
        if (!window() || !tile)
            return;
        if (openDevice && !clicked) {
            clicked = true;
            static_cast<QAbstractButton *>(tile)->click();
            return;
        }
        if (during == QLatin1String("waiting")) {
            if (waitShown()) {
                poll->stop();
                QTimer::singleShot(RoadIntoTheWait, [road] { takeRoad(road); });
            }
            return;
        }
        if (openDevice && !deviceRead())
            return;
        poll->stop();
        if (during == QLatin1String("pairing"))
            pairThenTakeRoad(road);
        else
            takeRoad(road);
    });
}

} // namespace

int main(int argc, char **argv)
{
    prepareDataFolder();
    QApplication app(argc, argv);
    HidUsbSim::loadDefaultScenario();
    const QString road = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    const bool openDevice = argc > 2 && qstrcmp(argv[2], "device") == 0;
    const QString during = argc > 3 ? QString::fromLatin1(argv[3]) : QString();
    HidUsbSim::setLatency(during == QLatin1String("waiting") ? SlowMouseLatency : 0);
    std::atexit(printCallLog);
    drive(road, openDevice, during);
    return runProgram(app);
}
