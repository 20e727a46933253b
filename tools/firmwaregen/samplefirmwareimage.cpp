#include "samplefirmwareimage.h"

#include <QtEndian>

#include <cstring>

namespace {

constexpr int VersionOffset = 16;
constexpr int KindOffset = 20;
constexpr int CidOffset = 21;
constexpr int MidOffset = 22;
constexpr int IdentifierOffset = 87;
constexpr int IdentifierSize = 64;

} // namespace

QByteArray SampleFirmwareImage::bytes() const
{
    QByteArray image(HeaderSize + bodySize, '\0');
    std::memcpy(image.data(), "TLFW", 4);
    qToLittleEndian<quint32>(version, image.data() + VersionOffset);
    image[KindOffset] = char(kind);
    image[CidOffset] = char(cid);
    image[MidOffset] = char(mid);
    std::memcpy(image.data() + IdentifierOffset, identifier.constData(), qMin(identifier.size(), IdentifierSize));
    quint32 state = version ^ (quint32(kind) << 24) ^ (quint32(mid) << 16);
    for (int index = HeaderSize; index < image.size(); ++index) {
        state = state * 1664525u + 1013904223u;
        image[index] = char(state >> 24);
    }
    return image;
}
