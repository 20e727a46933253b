// Runs the program as main() does, on the simulated devices, and leaves it
// by the road the first argument names: "close" (the configuration frame's
// close button), "tray" (the tray's exit) or "SIGTERM", "SIGHUP", "SIGINT"
// (the desktop session ending). With "device" as the second argument the
// default device is opened first and its record read; a third argument
// takes the road while Space's pairing dialog is open ("pairing"), as the
// settings-update wait of an opening runs out while the mouse takes longer
// than the wait's checks to answer ("waiting") or within the pause of a
// macro save ("save"). At
// exit it prints every library call made from the moment the road was
// taken, one a line, whether the single-instance segment was still held
// when the window had gone, how long after the road it ended and how many
// steps the mouse holds for the saved macro's keys (for tst_shutdown and
// tst_dialogmain).

#include "appinfo.h"
#include "bindingtype.h"
#include "deviceeventcallback.h"
#include "dialog.h"
#include "dialogchange.h"
#include "dialogmain.h"
#include "flashdatamap.h"
#include "macroblockbuilder.h"
#include "macrofile.h"
#include "postmsg.h"
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
// The keys the saved macro is bound to.
constexpr int SavedMacroKeys[] = {2, 3};

void printCallLog()
{
    for (const QString &call : HidUsbSim::callLog())
        std::printf("%s\n", qPrintable(call));
    std::printf("segment held after the window: %s\n", segmentHeldAfterTheWindow ? "yes" : "no");
    std::printf("ended %lld ms after the road\n", sinceRoad.elapsed());
    const QByteArray stored = HidUsbSim::storedConfiguration("Mouse1", HidUsbSim::activeConfiguration("Mouse1"));
    for (const int key : SavedMacroKeys)
        std::printf("macro steps of key %d: %d\n", key,
                    reinterpret_cast<const FlashDataMap *>(stored.constData())->KeyMacros[key].stepCountByte);
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

// "Jump" bound to two keys of the device, then saved with two steps as the
// macro page saves it; the road comes within the save's pause.
void saveThenTakeRoad(const QString &road)
{
    FlashDataMap record = DeviceProtocolData.get();
    for (const int key : SavedMacroKeys) {
        record.KeyFunctions[key] = {MacroBinding, std::uint8_t(key), 1};
        record.KeyMacros[key] = macroBlock(QStringLiteral("Jump"), {});
    }
    DeviceProtocolData.set(record);
    PostMsg *hub = PostMsg::instance();
    emit hub->SigUpDataButtonUIC(record);
    writeMacroFile(QStringLiteral("Jump"), {1, QVector<MacroItem>(2, MacroItem::key(KeyStep::Key, 0x04, 0))});
    QTimer::singleShot(300, [road] { takeRoad(road); });
    emit hub->SigUpDataMacro(QStringLiteral("Jump"), 0);
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
        else if (during == QLatin1String("save"))
            saveThenTakeRoad(road);
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
