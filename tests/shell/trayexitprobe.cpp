// Builds the top-level window on the simulated devices and ends the program
// through the tray's exit. At exit it prints every library call made from
// that moment on, one a line, for tst_dialogmain.

#include "dialogmain.h"

#include <hidusb_sim.h>

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    HidUsbSim::loadDefaultScenario();
    HidUsbSim::setLatency(0);
    auto *window = new DialogMain;
    window->show();
    std::atexit([] {
        for (const QString &call : HidUsbSim::callLog())
            std::printf("%s\n", qPrintable(call));
        std::fflush(stdout);
    });
    QTimer::singleShot(300, window, [window] {
        HidUsbSim::clearCallLog();
        window->slotActionExitApp();
    });
    app.exec();
    return 3;
}
