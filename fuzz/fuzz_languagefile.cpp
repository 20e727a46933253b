// Feeds arbitrary bytes to the language file reader as a file of either root.

#include "languagefilereader.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    for (const char *root : {"Total", "Profile"}) {
        LanguageTables tables;
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        LanguageFileReader(tables).read(&buffer, QLatin1String(root));
    }
    return 0;
}
