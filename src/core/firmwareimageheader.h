#pragma once

#include <HIDUsb.h>

#include <QByteArray>
#include <QString>

#include <cstdint>

// The kinds an image's header names.
constexpr int MouseImage = 210;
constexpr int ReceiverImage = 211;
// How long the library waits for a device that stops answering an upgrade.
constexpr int UpgradeLimitMs = 10000;

// An image as the library takes it.
inline const unsigned char *imageBytes(const QByteArray &image)
{
    return reinterpret_cast<const unsigned char *>(image.constData());
}

// The header a firmware image file starts with. The whole file goes to the
// device library unchanged; the program reads only these fields of it.
struct FirmwareImageHeader
{
    static constexpr int Size = HIDUSB_IMAGE_HEADER_SIZE;

    // Bits 0-7 the minor number, the rest the major number.
    std::uint32_t versionWord = 0;
    // MouseImage or ReceiverImage.
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
