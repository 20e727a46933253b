#include "appinfo.h"
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
    if (instance.isAnotherRunning()) {
        qInfo("%s is already running", qPrintable(appName));
        ExeIsRun dialog;
        dialog.exec();
        return 0;
    }
    instance.claim();

    DialogMain window;
    window.show();
    const int exitCode = app.exec();
    instance.release();
    return exitCode;
}
