#pragma once

#include <QByteArray>

#include <cstdint>

// A firmware image file as the vendor ships them: a 728-byte header (the
// version word at byte 16, the kind at 20, customer and model id at 21 and
// 22, the identifier text at 87) and a body only the device reads. The body
// here is filler, the same for the same header.
struct SampleFirmwareImage
{
    static constexpr int HeaderSize = 728;

    int kind = 210;
    int cid = 0;
    int mid = 0;
    std::uint32_t version = 0;
    QByteArray identifier;
    int bodySize = 4096;

    QByteArray bytes() const;
};
