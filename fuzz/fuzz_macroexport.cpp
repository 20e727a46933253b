// Feeds the reader of exchanged macros arbitrary streams: whatever a stream
// holds, an imported macro has a name the device carries and a repeat
// mode a file can hold, and writing it gives a stream that reads back as
// the same macro. Besides the input itself, the input is spliced into a
// well-formed stream whose items carry each icon form (a picture path, a
// theme name, an embedded PNG), so that the item and icon readers are
// reached at once.

#include "fuzzenvironment.h"
#include "iconstreamform.h"
#include "macroexport.h"
#include "macrofile.h"

#include <QDataStream>
#include <QSize>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QByteArray wellFormedStream()
{
    // The smallest PNG: its signature, a 1 x 1 header and its end.
    const QByteArray png = QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200000001000000010806000000"
                                               "1f15c4890000000049454e44ae426082");
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_9);
    out << QByteArray("Dedid") << QByteArray("Fuzz") << QByteArray("254") << quint32(3);
    out << QStringLiteral("A") << QStringLiteral("QPixmapIconEngine") << qint32(1) << qint32(1);
    out.writeRawData(png.constData(), png.size());
    out << QStringLiteral("down.png") << QSize(1, 1) << quint32(0) << quint32(1) << QByteArray("0", 2);
    out << QStringLiteral("10ms") << QStringLiteral("QIconLoaderEngine") << QStringLiteral("clock");
    out << QStringLiteral("A");
    writeIconForm(out, QStringLiteral("up.png"));
    out << QByteArray("1", 2);
    return bytes;
}

QByteArray spliced(const std::uint8_t *data, std::size_t size)
{
    static const QByteArray base = wellFormedStream();
    if (size < 3)
        return base;
    const int at = (data[0] | data[1] << 8) % base.size();
    return QByteArray(base).replace(at, data[2] % 16, reinterpret_cast<const char *>(data + 3), int(size - 3));
}

void check(const QByteArray &stream)
{
    const auto input = openFuzzInput(reinterpret_cast<const std::uint8_t *>(stream.constData()), std::size_t(stream.size()));
    const std::optional<MacroExport> imported = MacroExport::read(input.get());
    if (!imported)
        return;
    if (!isDeviceMacroName(imported->name) || MacroText::usableRepeat(imported->macro.repeat) != imported->macro.repeat)
        std::abort();
    QBuffer written;
    if (!written.open(QIODevice::WriteOnly) || !imported->write(&written))
        std::abort();
    written.close();
    written.open(QIODevice::ReadOnly);
    const std::optional<MacroExport> reread = MacroExport::read(&written);
    if (!reread || reread->name != imported->name || reread->macro.repeat != imported->macro.repeat
        || reread->macro.items != imported->macro.items)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    prepareFuzzEnvironment(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    check(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    check(spliced(data, size));
    return 0;
}
