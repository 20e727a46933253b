#include "macroitem.h"

#include "appinfo.h"
#include "keynames.h"

#include <QRegularExpression>

MacroItem MacroItem::key(int kind, int code, int action)
{
    MacroItem item;
    item.kind = std::uint8_t(kind);
    item.code = std::uint16_t(code);
    item.action = std::uint8_t(action);
    return item;
}

MacroItem MacroItem::pause(std::uint32_t milliseconds)
{
    MacroItem item;
    item.type = Delay;
    item.delay = milliseconds;
    return item;
}

QString MacroItem::text() const
{
    return type == Delay ? QString::number(delay) + QStringLiteral("ms") : macroKeyName(kind, code);
}

std::optional<MacroItem> MacroItem::pauseOfText(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]+)ms$"));
    const QRegularExpressionMatch match = pattern.match(text);
    bool fits = false;
    const uint milliseconds = match.hasMatch() ? match.captured(1).toUInt(&fits) : 0;
    return fits ? std::optional<MacroItem>(pause(milliseconds)) : std::nullopt;
}

std::optional<MacroItem> MacroItem::ofText(const QString &text, int action)
{
    if (const std::optional<MacroItem> item = pauseOfText(text))
        return item;
    const std::optional<MacroKey> found = macroKeyOfName(text);
    return found ? std::optional<MacroItem>(key(found->kind, found->code, action)) : std::nullopt;
}

QString MacroItem::picturePath() const
{
    const char *picture = type == Delay ? "MacroTime.png" : action == KeyStep::Release ? "MacroUp.png" : "MacroDown.png";
    return programFolderPath() + QStringLiteral("/Picture/Macro/") + QLatin1String(picture);
}

bool MacroItem::operator==(const MacroItem &other) const
{
    if (type != other.type)
        return false;
    if (type == Delay)
        return delay == other.delay;
    return kind == other.kind && code == other.code && action == other.action;
}
