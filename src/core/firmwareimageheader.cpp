#include "firmwareimageheader.h"

#include "deviceallinfo.h"

#include <QtEndian>

namespace {

constexpr int VersionOffset = 16;
constexpr int KindOffset = 20;
constexpr int CidOffset = 21;
constexpr int MidOffset = 22;
constexpr int IdentifierOffset = 87;
constexpr int IdentifierSize = 64;

} // namespace

bool FirmwareImageHeader::read(const QByteArray &image, FirmwareImageHeader *header)
{
    if (image.size() < Size)
        return false;
    const char *bytes = image.constData();
    header->versionWord = qFromLittleEndian<quint32>(bytes + VersionOffset);
    header->kind = std::uint8_t(bytes[KindOffset]);
    header->cid = std::uint8_t(bytes[CidOffset]);
    header->mid = std::uint8_t(bytes[MidOffset]);
    const char *identifier = bytes + IdentifierOffset;
    header->identifier = QString::fromLocal8Bit(identifier, int(qstrnlen(identifier, IdentifierSize)));
    return true;
}

QString FirmwareImageHeader::versionText() const
{
    return DeviceAllInfo::versionText(versionWord);
}

bool FirmwareImageHeader::matches(int wantedKind, const QString &wantedIdentifier, int wantedCid,
                                  int wantedMid) const
{
    return kind == std::uint8_t(wantedKind) && cid == std::uint8_t(wantedCid) && mid == std::uint8_t(wantedMid)
           && identifier == wantedIdentifier;
}
