#include "profileimport.h"

#include "configinistore.h"
#include "deviceallinfo.h"
#include "regularfile.h"

#include <QDataStream>
#include <QFile>

#include <cstring>
#include <memory>

namespace {

// A block's bytes up to its first zero byte, as UTF-8 text.
QString blockText(const char *bytes, uint length)
{
    if (!bytes || length == 0)
        return QString();
    const char *end = static_cast<const char *>(std::memchr(bytes, 0, length));
    return QString::fromUtf8(bytes, end ? int(end - bytes) : int(length));
}

struct Block
{
    std::unique_ptr<char[]> bytes;
    uint length = 0;
};

bool readBlock(QDataStream &stream, Block *block)
{
    char *bytes = nullptr;
    uint length = 0;
    stream.readBytes(bytes, length);
    block->bytes.reset(bytes);
    block->length = length;
    return stream.status() == QDataStream::Ok;
}

} // namespace

int importProfileFile(const QString &path, FlashDataMap *destination)
{
    QFile file;
    if (!openRegularFile(&file, path, QIODevice::ReadOnly, SymbolicLinks::Follow)) {
        qDebug("failed");
        return ProfileUnreadable;
    }
    const DeviceAllInfo device = CurrentDevice.get();
    ConfigIniStore *config = ConfigIniStore::instance();
    const QString sensor = config->value(device.driveGroup(), QStringLiteral("Sensor"));
    const int dpiLevels = config->value(device.driveGroup(), QStringLiteral("DPIMaxGrade")).toInt();
    return readProfile(&file, sensor, dpiLevels, destination);
}

int readProfile(QIODevice *device, const QString &modelSensor, int modelDpiLevels, FlashDataMap *destination)
{
    QDataStream stream(device);
    Block marker;
    Block sensor;
    Block record;
    const bool whole = readBlock(stream, &marker) && readBlock(stream, &sensor) && readBlock(stream, &record);
    if (!whole || blockText(marker.bytes.get(), marker.length) != QLatin1String("Dedid"))
        return ProfileUnreadable;
    if (blockText(sensor.bytes.get(), sensor.length) != modelSensor)
        return ProfileForAnotherModel;
    if (record.length < sizeof(FlashDataMap))
        return ProfileUnreadable;
    FlashDataMap imported;
    std::memcpy(&imported, record.bytes.get(), sizeof imported);
    if (imported.DPIGradeCount > modelDpiLevels)
        return ProfileForAnotherModel;
    *destination = imported;
    return ProfileAccepted;
}
