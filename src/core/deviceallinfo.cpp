#include "deviceallinfo.h"

Guarded<DeviceAllInfo> CurrentDevice;
Guarded<QByteArray> CurrentDevicePath;
DongleRGB g_dongleRgb = {};

QString DeviceAllInfo::driveGroup() const
{
    return QStringLiteral("Drive") + QString::number(driveIndex + 1);
}

QString DeviceAllInfo::versionText(std::uint32_t value)
{
    return QStringLiteral("v%1.%2").arg(value >> 8).arg(value & 0xFF, 0, 16);
}

int DeviceAllInfo::receiverClass(std::uint8_t kind)
{
    switch (kind) {
    case 0: return 1;
    case 1: return 4;
    case 4: return 2;
    case 5: return 8;
    default: return 0;
    }
}

QString DeviceAllInfo::cacheFileName(std::uint8_t cid, std::uint8_t mid)
{
    const auto hex = [](std::uint8_t value) {
        return QString::number(value, 16).rightJustified(2, QLatin1Char('0')).toUpper();
    };
    return QStringLiteral("Device_CID") + hex(cid) + QStringLiteral("_MID") + hex(mid)
           + QStringLiteral(".bin");
}
