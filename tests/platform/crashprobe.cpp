// Installs the crash handler into the folder given as the first argument
// and then dies the way the second names: "segv" (a real invalid write),
// "abort", "worker-overflow" (a stack overflow on the device worker's
// thread) or "library-overflow" (one on the device library's event thread,
// inside the program's callback).
#include "crashhandler.h"
#include "deviceallinfo.h"
#include "pagestate.h"
#include "postmsg.h"
#include "worker.h"

#include <HIDUsb.h>
#include <hidusb_sim.h>

#include <QCoreApplication>
#include <QString>

#include <climits>
#include <cstdint>
#include <cstdlib>

namespace {

void writeThroughAnInvalidPointer()
{
    // Read through a volatile so the compiler cannot see the address.
    volatile std::uintptr_t address = 16;
    *reinterpret_cast<volatile int *>(address) = 1;
}

// The compiler cannot see that the limit is never reached.
volatile int recursionLimit = INT_MAX;

int overflowTheStack(int depth)
{
    volatile char frame[4096];
    frame[depth % sizeof frame] = char(depth);
    if (depth >= recursionLimit)
        return 0;
    return overflowTheStack(depth + 1) + frame[0];
}

void overflowInCallback(const unsigned char *, int, const unsigned char *, int)
{
    overflowTheStack(0);
}

// A run that opens the link announces it on the worker's own thread.
void overflowOnTheWorker()
{
    PostMsg *hub = PostMsg::instance();
    QObject::connect(hub, &PostMsg::SigUpDataParam, hub, [] { overflowTheStack(0); }, Qt::DirectConnection);
    auto *worker = new Worker;
    g_devicePageState = 1;
    DeviceAllInfo receiver;
    receiver.path = QString::fromLatin1(HidUsbSim::receiverPath(QStringLiteral("Receiver1")));
    worker->SlotSelectMouseInfo(receiver);
    worker->requestRun();
}

void overflowOnTheLibraryThread()
{
    const QByteArray path = HidUsbSim::receiverPath(QStringLiteral("Receiver1"));
    UsbServerC_Start(path.constData(), path.constData(), overflowInCallback);
    UsbServer_ReadConfig();
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
    else if (qstrcmp(argv[2], "worker-overflow") == 0)
        overflowOnTheWorker();
    else if (qstrcmp(argv[2], "library-overflow") == 0)
        overflowOnTheLibraryThread();
    else
        std::abort();
    return app.exec();
}
