#include "sensorcapabilities.h"

#include "appinfo.h"

#include <QFile>

#include <cstdlib>

namespace {

const QChar Tab = QLatin1Char('\t');
const QChar LineEnd = QLatin1Char('\n');

QString tablePrefix(const QString &sensorId)
{
    return QStringLiteral("SENSOR_") + sensorId + QStringLiteral("_DPI");
}

int rowNumber(QString text)
{
    text.remove(LineEnd);
    const int base = text.contains(QLatin1String("0x")) ? 16 : 10;
    return text.toInt(nullptr, base);
}

} // namespace

const QStringList &SensorCapabilities::switchNames()
{
    static const QStringList names = {
        QStringLiteral("SUPPORT_SENSOR_MODE_SEL"), QStringLiteral("SUPPORT_LOD_CAL"),
        QStringLiteral("SUPPORT_RIPPLE"),          QStringLiteral("SUPPORT_FIXLINE"),
        QStringLiteral("SUPPORT_MOTION_SYNC"),     QStringLiteral("SUPPORT_MOUSEPAD_CAL"),
    };
    return names;
}

SensorCapabilities SensorCapabilities::load()
{
    return load(programFolderPath() + QStringLiteral("/driver_sensor.h"));
}

SensorCapabilities SensorCapabilities::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return SensorCapabilities();
    return read(&file);
}

SensorCapabilities SensorCapabilities::read(QIODevice *device)
{
    SensorCapabilities capabilities;
    while (device && !device->atEnd())
        capabilities.readLine(QString::fromUtf8(device->readLine()));
    return capabilities;
}

void SensorCapabilities::readLine(const QString &line)
{
    const QStringList items = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (items.size() == 2) {
        const QStringList parts = items[1].split(Tab, Qt::SkipEmptyParts);
        for (const QString &name : switchNames()) {
            if (!items[1].contains(name))
                continue;
            if (parts.size() >= 2)
                m_switches.insert(name, QString(parts[1]).remove(LineEnd));
            return;
        }
        if (items[0] == QLatin1String("#define") && parts.size() >= 2 && parts[1].contains(LineEnd))
            addRow(parts[0], rowNumber(parts[1]));
    } else if (items.size() == 3 && items[2].contains(QLatin1String("//"))) {
        const QStringList parts = items[1].split(Tab, Qt::SkipEmptyParts);
        if (parts.size() == 2)
            addRow(parts[0], parts[1].toInt());
    }
}

void SensorCapabilities::addRow(const QString &name, int value)
{
    m_rowNames.append(name);
    m_rowValues.append(value);
}

QString SensorCapabilities::switchText(const QString &switchName) const
{
    return m_switches.value(switchName);
}

bool SensorCapabilities::isTableSensor(const QString &sensorId) const
{
    const QString prefix = tablePrefix(sensorId);
    for (const QString &name : m_rowNames) {
        if (name.contains(prefix))
            return true;
    }
    return false;
}

bool SensorCapabilities::tableValueOf(const QString &sensorId, int dpi, int *value) const
{
    const int row = m_rowNames.indexOf(tablePrefix(sensorId) + QLatin1Char('_') + QString::number(dpi));
    if (row < 0)
        return false;
    *value = m_rowValues[row];
    return true;
}

bool SensorCapabilities::nearestTableValueOf(const QString &sensorId, int dpi, int *value) const
{
    const QString prefix = tablePrefix(sensorId) + QLatin1Char('_');
    int nearest = -1;
    int nearestDpi = 0;
    for (int row = 0; row < m_rowNames.size(); ++row) {
        bool isNumber = false;
        const int rowDpi = m_rowNames[row].mid(prefix.size()).toInt(&isNumber);
        if (!isNumber || m_rowNames[row] != prefix + QString::number(rowDpi))
            continue;
        const qint64 distance = std::llabs(qint64(rowDpi) - dpi);
        const qint64 nearestDistance = std::llabs(qint64(nearestDpi) - dpi);
        if (nearest < 0 || distance < nearestDistance || (distance == nearestDistance && rowDpi < nearestDpi)) {
            nearest = row;
            nearestDpi = rowDpi;
        }
    }
    if (nearest < 0)
        return false;
    *value = m_rowValues[nearest];
    return true;
}

bool SensorCapabilities::tableDpiOf(const QString &sensorId, int value, int *dpi) const
{
    const QString prefix = tablePrefix(sensorId);
    for (int row = 0; row < m_rowNames.size(); ++row) {
        const QString &name = m_rowNames[row];
        if (m_rowValues[row] != value || !name.contains(prefix))
            continue;
        *dpi = name.mid(name.indexOf(QLatin1Char('I')) + 2).toInt();
        return true;
    }
    return false;
}
