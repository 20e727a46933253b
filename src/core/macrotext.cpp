#include "macrotext.h"

#include "keynames.h"

#include <QIODevice>

namespace {

QStringList fieldsOf(const QByteArray &line)
{
    return QString::fromUtf8(line).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

std::optional<MacroItem> keyOfFields(const QStringList &fields)
{
    bool kindRead = false;
    const int kind = fields[1].toInt(&kindRead);
    const int code = macroCodeOfText(fields[0]);
    const QString &flag = fields[2];
    if (!kindRead || (flag != QLatin1String("0") && flag != QLatin1String("1")))
        return std::nullopt;
    const bool named = isMacroKey(kind, code);
    return MacroItem::key(named ? kind : KeyStep::Key, named ? code : 0,
                          flag == QLatin1String("1") ? KeyStep::Release : KeyStep::Press);
}

QByteArray lineOf(const MacroItem &item)
{
    if (item.type == MacroItem::Delay)
        return QByteArray::number(item.delay) + "ms\n";
    return macroCodeText(item.code).toLatin1() + ' ' + QByteArray::number(item.kind) + ' '
           + (item.action == KeyStep::Release ? "1\n" : "0\n");
}

} // namespace

int MacroText::usableRepeat(int value)
{
    const bool mode = value >= WhileHeld && value <= UntilClickedAgain;
    return mode || (value >= 1 && value <= MaxCount) ? value : 1;
}

MacroText MacroText::read(QIODevice *file)
{
    MacroText macro;
    if (file->atEnd())
        return macro;
    macro.repeat = usableRepeat(fieldsOf(file->readLine()).value(0).toInt());
    while (!file->atEnd()) {
        const QStringList fields = fieldsOf(file->readLine());
        const std::optional<MacroItem> item = fields.size() == 3   ? keyOfFields(fields)
                                              : fields.size() == 1 ? MacroItem::pauseOfText(fields[0])
                                                                   : std::nullopt;
        if (item)
            macro.items.append(*item);
    }
    return macro;
}

QByteArray MacroText::bytes() const
{
    QByteArray text = QByteArray::number(usableRepeat(repeat)) + '\n';
    for (const MacroItem &item : items)
        text += lineOf(item);
    return text;
}
