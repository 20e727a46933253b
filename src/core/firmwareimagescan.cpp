#include "firmwareimagescan.h"

#include "configinistore.h"
#include "deviceidentification.h"

// Answers "no update" until the scan of the "bin" folder replaces these bodies.
bool checkFirmwareFile(int, const QString &, const QString &, int, int)
{
    return false;
}

bool findFirmwareFiles(int, const QString &, const QString &, int, int)
{
    return false;
}

bool readVersionInfo(int, const QString &, int)
{
    return false;
}

FirmwareUpdates checkModelFirmware(const DeviceAllInfo &device, const QString &mouseVersion)
{
    ConfigIniStore *config = ConfigIniStore::instance();
    const QString group = device.driveGroup();
    const QString cid = config->value(QStringLiteral("Option"), QStringLiteral("CID"));
    const QString mid = config->value(group, QStringLiteral("MID"));
    FirmwareUpdates updates;
    updates.mouse =
        checkFirmwareFile(210, mouseVersion, config->value(group, QStringLiteral("MM")), cid.toInt(), mid.toInt());
    const QString receiverKey = receiverFirmwareKey(device.kind);
    const QString identifier = receiverKey.isEmpty() ? QString() : config->value(group, receiverKey);
    if (receiverKey == QLatin1String("DM") || !identifier.isEmpty())
        updates.receiver = findFirmwareFiles(211, device.version, identifier, cid.toInt(), mid.toInt());
    return updates;
}
