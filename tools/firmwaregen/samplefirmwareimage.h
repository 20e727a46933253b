#pragma once

#include <HIDUsb.h>

#include <QByteArray>

#include <cstdint>

// A firmware image file as the vendor ships them: the header the device
// library reads (HIDUsb.h) and a body only the device reads. The body here
// is filler, the same for the same header.
struct SampleFirmwareImage
{
    static constexpr int HeaderSize = HIDUSB_IMAGE_HEADER_SIZE;

    int kind = 210;
    int cid = 0;
    int mid = 0;
    std::uint32_t version = 0;
    QByteArray identifier;
    int bodySize = 4096;

    QByteArray bytes() const;
};
