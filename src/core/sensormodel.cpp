#include "sensormodel.h"

#include "configinistore.h"
#include "configurationsenders.h"
#include "flashdatamap.h"

QString currentSensorId;
SensorCapabilities g_sensorCapabilities;
DpiRange g_dpiRange;

namespace {

QString modelGroup(int driveNumber)
{
    return QStringLiteral("Drive") + QString::number(driveNumber);
}

} // namespace

void readSensorModel(const ConfigIniStore &settings, int driveNumber)
{
    const QString group = modelGroup(driveNumber);
    currentSensorId = settings.value(group, QStringLiteral("Sensor"));
    g_dpiRange = DpiRange::fromItems(settings.valueList(group, QStringLiteral("DPIRange")));
}

int modelDpiLevelCount(const ConfigIniStore &settings, int driveNumber)
{
    const int claimed = settings.value(modelGroup(driveNumber), QStringLiteral("DPIMaxGrade")).toInt();
    return qBound(0, claimed, int(FlashDataMap::DpiLevelCount));
}

// An empty id is a substring of every text: it would switch on every feature
// for a model whose settings lack the key.
bool switchNamesSensor(const QString &switchText, const QString &sensorId)
{
    return !switchText.isEmpty() && !sensorId.isEmpty() && switchText.contains(sensorId);
}

bool currentSensorHas(const QString &switchName)
{
    return switchNamesSensor(g_sensorCapabilities.switchText(switchName), currentSensorId);
}

DpiCodec currentDpiCodec()
{
    return DpiCodec(currentSensorId, g_dpiRange, g_sensorCapabilities);
}

void encodeDpiValue(int level, int dpi)
{
    if (level < 0 || level >= FlashDataMap::DpiLevelCount)
        return;
    const int levelFlags = DeviceProtocolData.get().DPIGrades[level].flags;
    const DpiCodec::Encoded stored = currentDpiCodec().encode(dpi, levelFlags);
    setDpiLevelValue(level, stored.value, stored.value, stored.flags);
}

int decodeDpiValue(std::uint8_t valueByte, std::uint8_t flags)
{
    return currentDpiCodec().decode(valueByte, flags);
}
