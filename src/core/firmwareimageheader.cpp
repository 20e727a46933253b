#include "firmwareimageheader.h"

#include "deviceallinfo.h"

#include <HIDUsb.h>

#include <QtEndian>

bool FirmwareImageHeader::read(const QByteArray &image, FirmwareImageHeader *header)
{
    if (image.size() < Size)
        return false;
    const char *bytes = image.constData();
    header->versionWord = qFromLittleEndian<quint32>(bytes + HIDUSB_IMAGE_VERSION_OFFSET);
    header->kind = std::uint8_t(bytes[HIDUSB_IMAGE_KIND_OFFSET]);
    header->cid = std::uint8_t(bytes[HIDUSB_IMAGE_CID_OFFSET]);
    header->mid = std::uint8_t(bytes[HIDUSB_IMAGE_MID_OFFSET]);
    const char *identifier = bytes + HIDUSB_IMAGE_IDENTIFIER_OFFSET;
    header->identifier =
        QString::fromLocal8Bit(identifier, int(qstrnlen(identifier, HIDUSB_IMAGE_IDENTIFIER_SIZE)));
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
