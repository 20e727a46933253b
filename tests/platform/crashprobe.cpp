// Installs the crash handler into the folder given as the first argument
// and then dies of the signal named by the second: "segv" (a real invalid
// write) or "abort".
#include "crashhandler.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

void writeThroughAnInvalidPointer()
{
    // Read through a volatile so the compiler cannot see the address.
    volatile std::uintptr_t address = 16;
    *reinterpret_cast<volatile int *>(address) = 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    CrashHandler handler(QString::fromLocal8Bit(argv[1]));
    handler.installCrashHandler();
    if (qstrcmp(argv[2], "segv") == 0)
        writeThroughAnInvalidPointer();
    else
        std::abort();
    return 0;
}
