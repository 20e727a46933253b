#include "appinfo.h"
#include "programrun.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    prepareDataFolder();
    purgeOldFiles(dataFolderPath() + QStringLiteral("/Log"));
    purgeOldFiles(dataFolderPath() + QStringLiteral("/Exception"));

    QApplication app(argc, argv);
    return runProgram(app);
}
