// Feeds the device event callback arbitrary headers and payloads of
// arbitrary lengths, as a faulty or hostile device could send them.
//
// Input: byte 0 chooses the header length (low 4 bits), whether the payload
// is stretched to the full dump's 6,912 bytes (0x80) and whether the record
// counts as read (0x40); then the header bytes; the rest is the payload.

#include "deviceallinfo.h"
#include "deviceeventcallback.h"
#include "flashdatamap.h"
#include "fuzzenvironment.h"

#include <HIDUsb.h>

#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    prepareFuzzEnvironment(argc, argv);
    // The default simulated receiver is the chosen device, so that the
    // callback's library calls reach a device.
    int count = 5;
    const char **paths = UsbFinderC_FindHidDevicesByDefaultDeviceId("0x3F1A", "0x5A18", &count);
    DeviceAllInfo device;
    device.cid = 35;
    device.mid = 1;
    device.kind = 1;
    if (count > 0) {
        device.path = QString::fromLatin1(paths[0]);
        CurrentDevicePath.set(QByteArray(paths[0]));
    }
    CurrentDevice.set(device);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t control = data[0];
    const std::size_t headerLength = std::min<std::size_t>(control & 0x0F, size - 1);
    const QByteArray header(reinterpret_cast<const char *>(data + 1), int(headerLength));
    QByteArray payload(reinterpret_cast<const char *>(data + 1 + headerLength), int(size - 1 - headerLength));
    if (control & 0x80)
        payload.resize(HIDUSB_DUMP_SIZE);
    g_deviceRecordLoaded = (control & 0x40) != 0;

    deviceEventCallback(reinterpret_cast<const unsigned char *>(header.constData()), header.size(),
                        reinterpret_cast<const unsigned char *>(payload.constData()), payload.size());
    return 0;
}
