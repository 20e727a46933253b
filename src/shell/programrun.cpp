#include "programrun.h"

#include "appinfo.h"
#include "devicecache.h"
#include "dialogmain.h"
#include "exeisrun.h"
#include "singleinstance.h"
#include "terminationsignals.h"

#include <QApplication>

namespace {

int runWindow(QApplication &app, TerminationSignals &terminationSignals)
{
    DialogMain window;
    QObject::connect(&terminationSignals, &TerminationSignals::received, &window, &DialogMain::shutdown);
    QObject::connect(&window, &QDialog::finished, &app, &QCoreApplication::quit);
    window.show();
    const int exitCode = QApplication::exec();
    // A signal now would find the window being taken apart.
    terminationSignals.disconnect(&window);
    return exitCode;
}

} // namespace

int runProgram(QApplication &app)
{
    TerminationSignals terminationSignals;
    SingleInstance instance(appName);
    if (!instance.claim()) {
        qInfo("%s is already running", qPrintable(appName));
        ExeIsRun dialog;
        QObject::connect(&terminationSignals, &TerminationSignals::received, &dialog, &QDialog::reject);
        dialog.exec();
        return 0;
    }
    // Only now is no other instance saving a device cache.
    removeUnfinishedCacheWrites();
    const int exitCode = runWindow(app, terminationSignals);
    instance.release();
    return exitCode;
}
