#include "profileexport.h"

#include "configinistore.h"
#include "deviceallinfo.h"

#include <QDataStream>
#include <QSaveFile>

namespace {

constexpr int TextBlockSize = 12;

// The text's UTF-8 bytes in a block of fixed size: zeros after it, or its
// first bytes without a terminating zero when it is as long or longer.
QByteArray textBlock(const QString &text)
{
    QByteArray block = text.toUtf8().left(TextBlockSize);
    block.append(TextBlockSize - block.size(), '\0');
    return block;
}

void writeBlock(QDataStream &stream, const QByteArray &block)
{
    stream.writeBytes(block.constData(), uint(block.size()));
}

} // namespace

bool exportProfileFile(const QString &path, const FlashDataMap &record)
{
    const QString sensor =
        ConfigIniStore::instance()->value(CurrentDevice.get().driveGroup(), QStringLiteral("Sensor"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    writeProfile(&file, sensor, record);
    return file.commit();
}

void writeProfile(QIODevice *device, const QString &sensorId, const FlashDataMap &record)
{
    QDataStream stream(device);
    writeBlock(stream, textBlock(QStringLiteral("Dedid")));
    writeBlock(stream, textBlock(sensorId));
    stream.writeBytes(reinterpret_cast<const char *>(record.bytes()), sizeof record);
}
