#include "appinfo.h"

#include <QCoreApplication>
#include <QDir>

const QString appName = QStringLiteral("Talvo Lumerant 4K");

QString dataFolderPath()
{
    return QDir::homePath() + QStringLiteral("/AppData/Local/") + appName;
}

QString programFolderPath()
{
    return QCoreApplication::applicationDirPath();
}

QString firmwareFolderPath()
{
    const QString chosen = qEnvironmentVariable("TALVO_FIRMWARE_FOLDER");
    return chosen.isEmpty() ? programFolderPath() + QStringLiteral("/bin") : chosen;
}
