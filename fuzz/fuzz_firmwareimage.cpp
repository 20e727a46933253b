// Feeds the firmware image reader arbitrary files. A header is read from
// every file long enough to hold one, and a scan for exactly that header
// takes the file whole when its size is that of an image, and nothing
// otherwise.

#include "firmwareimageheader.h"
#include "firmwareimagescan.h"
#include "fuzzenvironment.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    prepareFuzzEnvironment(argc, argv);
    qputenv("TALVO_FIRMWARE_FOLDER", QFile::encodeName(QDir::homePath() + QStringLiteral("/firmware")));
    QDir().mkpath(QDir::homePath() + QStringLiteral("/firmware"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    FirmwareImageHeader header;
    const bool read = FirmwareImageHeader::read(bytes, &header);
    if (read != (bytes.size() >= FirmwareImageHeader::Size))
        std::abort();
    if (!read)
        return 0;
    if (!header.versionText().startsWith(QLatin1Char('v')) || header.identifier.size() > 64)
        std::abort();

    QFile file(QDir::homePath() + QStringLiteral("/firmware/image.bin"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(bytes);
    file.close();
    const bool found = checkFirmwareFile(header.kind, QString(), header.identifier, header.cid, header.mid);
    if (found != (bytes.size() <= MaxImageSize) || (found && FirmwareImageList != QList<QByteArray>{bytes}))
        std::abort();
    return 0;
}
