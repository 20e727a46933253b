// Feeds the device cache loader arbitrary files. Whatever the file holds,
// the loader either fills the whole record or reports failure with the
// record all zeros.

#include "devicecache.h"
#include "fuzzenvironment.h"

#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    prepareFuzzEnvironment(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString name = QStringLiteral("Device_CIDFF_MIDFF.bin");
    QFile file(deviceCachePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    FlashDataMap record;
    if (!loadDeviceConfigCache(name, &record)) {
        for (std::size_t index = 0; index < sizeof record; ++index) {
            if (record.bytes()[index] != 0)
                std::abort();
        }
    }
    return 0;
}
