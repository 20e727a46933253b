#include "macroexport.h"

#include "iconstreamform.h"
#include "macrofile.h"

#include <QDataStream>

namespace {

const QByteArray Marker = QByteArrayLiteral("Dedid");
constexpr int MarkerBytes = 12;
constexpr int RepeatBytes = 12;

QByteArray padded(const QByteArray &text, int size)
{
    return text + QByteArray(size - text.size(), '\0');
}

QByteArray upToZero(const QByteArray &block)
{
    const int zero = block.indexOf('\0');
    return zero < 0 ? block : block.left(zero);
}

QByteArray flagOf(const MacroItem &item)
{
    return QByteArray(item.action == KeyStep::Release ? "1" : "0", 2);
}

// An item as the stream holds it; none for one that names no key or delay.
// The text tells whether a flag follows, so it is read whatever the text.
std::optional<MacroItem> readItem(QDataStream &in)
{
    QString text;
    in >> text;
    if (!skipIconForm(in))
        return std::nullopt;
    if (text.contains(QLatin1String("ms")))
        return MacroItem::pauseOfText(text);
    QByteArray flag;
    in >> flag;
    const int action = flag == QByteArray("0", 2) ? KeyStep::Press : KeyStep::Release;
    return in.status() == QDataStream::Ok ? MacroItem::ofText(text, action) : std::nullopt;
}

} // namespace

bool MacroExport::write(QIODevice *file) const
{
    if (!isUsableMacroName(name))
        return false;
    QDataStream out(file);
    out.setVersion(QDataStream::Qt_5_9);
    out << padded(Marker, MarkerBytes) << padded(name.toUtf8(), MaxMacroNameBytes)
        << padded(QByteArray::number(MacroText::usableRepeat(macro.repeat)), RepeatBytes)
        << quint32(macro.items.size());
    for (const MacroItem &item : macro.items) {
        out << item.text();
        writeIconForm(out, item.picturePath());
        if (item.type == MacroItem::Key)
            out << flagOf(item);
    }
    return out.status() == QDataStream::Ok;
}

std::optional<MacroExport> MacroExport::read(QIODevice *file, bool *nameRefused)
{
    QDataStream in(file);
    in.setVersion(QDataStream::Qt_5_9);
    QByteArray marker;
    in >> marker;
    if (upToZero(marker) != Marker)
        return std::nullopt;
    QByteArray name;
    QByteArray repeat;
    quint32 count = 0;
    in >> name >> repeat >> count;
    MacroExport exported{QString::fromUtf8(upToZero(name)), {MacroText::usableRepeat(upToZero(repeat).toInt()), {}}};
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    if (!isDeviceMacroName(exported.name)) {
        if (nameRefused)
            *nameRefused = true;
        return std::nullopt;
    }
    for (quint32 index = 0; index < count && !in.atEnd() && in.status() == QDataStream::Ok; ++index) {
        if (const std::optional<MacroItem> item = readItem(in))
            exported.macro.items.append(*item);
    }
    return exported;
}
