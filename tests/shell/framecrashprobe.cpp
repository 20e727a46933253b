// Builds the top-level window with its configuration frame, which installs
// the crash handler, then crashes on purpose (tst_openingdevice).

#include "dialogmain.h"
#include "startup.h"

#include <QApplication>

#include <csignal>

int main(int argc, char **argv)
{
    prepareDataFolder();
    QApplication app(argc, argv);
    DialogMain window;
    std::raise(SIGSEGV);
    return 0;
}
