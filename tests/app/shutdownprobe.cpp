// Runs the program as main() does, on the simulated devices, and leaves it
// by the road the first argument names: "close" (the configuration frame's
// close button), "tray" (the tray's exit) or "SIGTERM", "SIGHUP", "SIGINT"
// (the desktop session ending). With "device" as the second argument the
// default device is opened first and its record read; with "pairing" as
// well, the road is taken while Space's pairing dialog is open. At exit it prints
// every library call made from the moment the road was taken, one a line,
// and whether the single-instance segment was still held when the window
// had gone (for tst_shutdown and tst_dialogmain).

#include "appinfo.h"
#include "deviceeventcallback.h"
#include "dialog.h"
#include "dialogchange.h"
#include "dialogmain.h"
#include "flashdatamap.h"
#include "programrun.h"
#include "startup.h"
#include "worker.h"

#include <hidusb_sim.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QSharedMemory>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

bool segmentHeldAfterTheWindow = false;

void printCallLog()
{
    for (const QString &call : HidUsbSim::callLog())
        std::printf("%s\n", qPrintable(call));
    std::printf("segment held after the window: %s\n", segmentHeldAfterTheWindow ? "yes" : "no");
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

// Polled: the window, its tiles and the device's record come in their time.
void drive(const QString &road, bool openDevice, bool pairing)
{
    auto *poll = new QTimer(qApp);
    poll->start(20);
    QObject::connect(poll, &QTimer::timeout, [poll, road, openDevice, pairing, clicked = false]() mutable {
        QWidget *tile = g_selectionPage ? g_selectionPage->findChild<QWidget *>(QStringLiteral("btn0")) : nullptr;
        if (!window() || !tile)
            return;
        if (openDevice && !clicked) {
            clicked = true;
            static_cast<QAbstractButton *>(tile)->click();
            return;
        }
        if (openDevice && !deviceRead())
            return;
        poll->stop();
        if (pairing)
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
    HidUsbSim::setLatency(0);
    const QString road = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    const bool openDevice = argc > 2 && qstrcmp(argv[2], "device") == 0;
    const bool pairing = argc > 3 && qstrcmp(argv[3], "pairing") == 0;
    std::atexit(printCallLog);
    drive(road, openDevice, pairing);
    return runProgram(app);
}
