// Feeds arbitrary bytes to the language file reader as a file of either
// root. Whatever the file holds, it fills only its own row, and every text
// it keeps stands at a position of its section's list.

#include "languagefilereader.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    constexpr int row = 1;
    for (const char *root : {"Total", "Profile"}) {
        LanguageTables tables;
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        LanguageFileReader(tables).read(&buffer, QLatin1String(root), row);
        for (int section = 0; section < languageSectionCount; ++section) {
            const LanguageTable &table = tables[std::size_t(section)];
            if (table.isEmpty())
                continue;
            const int width = LanguageFileReader::sectionElements(LanguageSection(section)).size();
            if (table.size() != row + 1 || !table.first().isEmpty() || table.last().size() != width)
                std::abort();
        }
    }
    return 0;
}
