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
