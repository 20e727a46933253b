#include "samplefirmwareimage.h"

#include <QtEndian>

#include <cstring>

QByteArray SampleFirmwareImage::bytes() const
{
    QByteArray image(HeaderSize + bodySize, '\0');
    std::memcpy(image.data(), "TLFW", 4);
    qToLittleEndian<quint32>(version, image.data() + HIDUSB_IMAGE_VERSION_OFFSET);
    image[HIDUSB_IMAGE_KIND_OFFSET] = char(kind);
    image[HIDUSB_IMAGE_CID_OFFSET] = char(cid);
    image[HIDUSB_IMAGE_MID_OFFSET] = char(mid);
    std::memcpy(image.data() + HIDUSB_IMAGE_IDENTIFIER_OFFSET, identifier.constData(),
                qMin(identifier.size(), int(HIDUSB_IMAGE_IDENTIFIER_SIZE)));
    quint32 state = version ^ (quint32(kind) << 24) ^ (quint32(mid) << 16);
    for (int index = HeaderSize; index < image.size(); ++index) {
        state = state * 1664525u + 1013904223u;
        image[index] = char(state >> 24);
    }
    return image;
}
