#include "appinfo.h"
#include "devicecache.h"
#include "dialogmain.h"
#include "exeisrun.h"
#include "singleinstance.h"
#include "startup.h"
#include "terminationsignals.h"

#include <QApplication>

int main(int argc, char **argv)
{
    prepareDataFolder();
    purgeOldFiles(dataFolderPath() + QStringLiteral("/Log"));
    purgeOldFiles(dataFolderPath() + QStringLiteral("/Exception"));

    QApplication app(argc, argv);
    TerminationSignals terminationSignals;

    SingleInstance instance(appName);
    if (!instance.claim()) {
        qInfo("%s is already running", qPrintable(appName));
        ExeIsRun dialog;
        dialog.exec();
        return 0;
    }
    // Only now is no other instance saving a device cache.
    removeUnfinishedCacheWrites();

    DialogMain window;
    // However the window is closed, the program ends with it.
    QObject::connect(&window, &QDialog::finished, &app, &QCoreApplication::quit);
    window.show();
    const int exitCode = app.exec();
    instance.release();
    return exitCode;
}
