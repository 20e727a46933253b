#include "devicecache.h"

#include "appinfo.h"
#include "deviceeventcallback.h"
#include "worker.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cstring>

QString deviceCachePath(const QString &fileName)
{
    return dataFolderPath() + QStringLiteral("/Device_Info/") + fileName;
}

void saveDeviceConfigCache(const QString &fileName, const FlashDataMap &record)
{
    const QString path = deviceCachePath(fileName);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QDataStream stream(&file);
    stream.writeBytes(reinterpret_cast<const char *>(record.bytes()), sizeof record);
    if (stream.status() != QDataStream::Ok || !file.commit())
        qWarning("Cannot write the device cache %s", qPrintable(path));
}

void removeUnfinishedCacheWrites()
{
    // Where the file system offers no unnamed temporary files, a save writes
    // the cache's name followed by a dot and six random letters or digits,
    // and renames it when done; a save that was killed leaves it behind.
    static const QRegularExpression unfinished(QStringLiteral("^Device_CID\\w+_MID\\w+\\.bin\\.[A-Za-z0-9]{6}$"));
    const QFileInfoList entries = QDir(deviceCachePath(QString())).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        if (unfinished.match(entry.fileName()).hasMatch())
            QFile::remove(entry.absoluteFilePath());
    }
}

bool loadDeviceConfigCache(const QString &fileName, FlashDataMap *destination)
{
    QFile file(deviceCachePath(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        std::memset(destination, 0, sizeof *destination);
        return false;
    }
    return readDeviceConfigCache(&file, destination);
}

bool readDeviceConfigCache(QIODevice *device, FlashDataMap *destination)
{
    std::memset(destination, 0, sizeof *destination);
    QDataStream stream(device);
    QByteArray block;
    stream >> block;
    if (stream.status() != QDataStream::Ok || block.size() < int(sizeof *destination))
        return false;
    std::memcpy(destination, block.constData(), sizeof *destination);
    return true;
}

void saveChosenDeviceCache()
{
    const QString name = deviceCacheName.get();
    if (!g_deviceRecordLoaded || name.isEmpty() || name != g_selectedDeviceCacheName.get())
        return;
    saveDeviceConfigCache(name, DeviceProtocolData.get());
}
