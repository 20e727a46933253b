// Feeds the profile reader arbitrary files. Whatever the file holds, the
// reader either accepts a whole record that fits the model or refuses the
// file and leaves the destination as it was.

#include "fuzzenvironment.h"
#include "profileimport.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    prepareFuzzEnvironment(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);

    FlashDataMap record;
    std::memset(&record, 0xA5, sizeof record);
    const FlashDataMap before = record;
    const int result = readProfile(&file, QStringLiteral("3950"), 8, &record);
    if (result == ProfileAccepted) {
        if (record.DPIGradeCount > 8)
            std::abort();
        return 0;
    }
    const bool refused = result == ProfileUnreadable || result == ProfileForAnotherModel;
    if (!refused || std::memcmp(&record, &before, sizeof record) != 0)
        std::abort();
    return 0;
}
