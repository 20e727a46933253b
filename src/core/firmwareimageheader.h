#pragma once

#include <HIDUsb.h>

#include <QByteArray>
#include <QString>

#include <cstdint>

// The header a firmware image file starts with. The whole file goes to the
// device library unchanged; the program reads only these fields of it.
struct FirmwareImageHeader
{
    static constexpr int Size = HIDUSB_IMAGE_HEADER_SIZE;

    // Bits 0-7 the minor number, the rest the major number.
    std::uint32_t versionWord = 0;
    // 210 mouse firmware, 211 receiver firmware.
    std::uint8_t kind = 0;
    std::uint8_t cid = 0;
    std::uint8_t mid = 0;
    // Up to its first zero byte, at most 64 bytes, in the local 8-bit code.
    QString identifier;

    // False, with `header` untouched, for fewer than Size bytes.
    static bool read(const QByteArray &image, FirmwareImageHeader *header);

    // "v" + major (decimal) + "." + minor (lower-case hexadecimal).
    QString versionText() const;
    bool matches(int kind, const QString &identifier, int cid, int mid) const;
};
