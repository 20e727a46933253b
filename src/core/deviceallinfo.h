#pragma once

#include "guarded.h"

#include <QByteArray>
#include <QMetaType>
#include <QString>

#include <cstdint>

// One found mouse or receiver: the library's path, its ids, the way it is
// connected, the configured model it matches, whether the mouse answers and
// the firmware versions.
struct DeviceAllInfo
{
    QString path;
    QString vid = QStringLiteral("0");
    QString pid = QStringLiteral("0");
    std::uint8_t cid = 0;
    std::uint8_t mid = 0;
    // 0, 1, 4 and 5: a receiver of the 1000, 4000, 2000 and 8000 Hz class;
    // 2 and 3: the mouse itself on a cable.
    std::uint8_t kind = 0;
    int driveIndex = 0;
    bool online = false;
    bool isWired = false;
    QString version;
    QString mouseVersion;
    // The pairing id of the receiver link (three bytes), empty when not asked.
    QByteArray receiverId;

    // The Config.ini group of the matching model: "Drive" + (driveIndex + 1).
    QString driveGroup() const;

    static bool isWiredKind(std::uint8_t kind) { return (kind & 0xFA) != 0; }
    // "v" + the value shifted right by 8 (decimal) + "." + its low byte
    // (lower-case hexadecimal, unpadded).
    static QString versionText(std::uint32_t value);
    // The receiver class (1, 2, 4 or 8) of a receiver kind, 0 for any other.
    static int receiverClass(std::uint8_t kind);
    // "Device_CID" + cid + "_MID" + mid + ".bin", two upper-case hex digits each.
    static QString cacheFileName(std::uint8_t cid, std::uint8_t mid);
};

Q_DECLARE_METATYPE(DeviceAllInfo)

// The receiver's light values. Byte 0 is the indicator mode (1, 2 or 3);
// the other bytes are the library's.
struct DongleRGB
{
    std::uint8_t bytes[10];
};
static_assert(sizeof(DongleRGB) == 10, "DongleRGB is 10 bytes");

Q_DECLARE_METATYPE(DongleRGB *)

// The chosen device.
extern Guarded<DeviceAllInfo> CurrentDevice;
// The chosen device's path as the library takes it: the program's own
// narrow copy, never a pointer into the library's memory. Callers keep the
// copy alive for the length of their library call.
extern Guarded<QByteArray> CurrentDevicePath;
extern DongleRGB g_dongleRgb;
