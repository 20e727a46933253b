#include "startup.h"

#include "appinfo.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

namespace {

const char *const dataSubFolders[] = {
    "/Log",
    "/Device_Info",
    "/Exception",
    "/usersetting",
    "/usersetting/MainPage",
    "/usersetting/MacroPage",
    "/usersetting/SensorPage",
};

constexpr qint64 secondsPerDay = 86400;
constexpr qint64 keptDays = 7;

void createEmptyMacroIni(const QString &path)
{
    if (QFile::exists(path))
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        qWarning("Cannot create the user settings file %s: %s", qPrintable(path),
                 qPrintable(file.errorString()));
}

} // namespace

void prepareDataFolder()
{
    const QString root = dataFolderPath();
    for (const char *sub : dataSubFolders) {
        const QString path = root + QLatin1String(sub);
        if (!QDir(path).exists() && !QDir().mkpath(path))
            qWarning("Cannot create the data folder %s", qPrintable(path));
    }
    const QString macroIni = root + QStringLiteral("/Macro.ini");
    createEmptyMacroIni(macroIni);
    const QFileInfo macroIniInfo(macroIni);
    if (macroIniInfo.exists() && !macroIniInfo.isWritable())
        qWarning("The user settings file %s is read-only: choices will not be kept",
                 qPrintable(macroIni));
}

void purgeOldFiles(const QString &folder)
{
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const QFileInfoList entries = QDir(folder).entryInfoList();
    for (const QFileInfo &entry : entries) {
        if (entry.isDir())
            continue;
        // A file dated ahead of the clock (a clock set back, a folder copied
        // from another machine) is new, not ancient: the failed update's log
        // must survive a clock correction.
        const qint64 age = qMax<qint64>(0, now - entry.lastModified().toSecsSinceEpoch());
        if (age / secondsPerDay > keptDays)
            QFile::remove(entry.absoluteFilePath());
    }
}
