#include "macroblockbuilder.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// What a block built from items that end in a delay holds after its last
// step; no key is kind 0 with code 0.
bool isEndMarker(const KeyStep &step)
{
    static const KeyStep marker = {};
    return std::memcmp(&step, &marker, sizeof step) == 0;
}

} // namespace

MacroBlockBuilder::MacroBlockBuilder(const QString &name)
{
    std::memset(&m_block, 0, sizeof m_block);
    const QByteArray bytes = macroNameBytes(name);
    m_block.nameLengthByte = std::uint8_t(bytes.size());
    std::memcpy(m_block.name, bytes.constData(), size_t(bytes.size()));
}

void MacroBlockBuilder::add(const MacroItem &item)
{
    if (m_full)
        return;
    if (item.type == MacroItem::Key)
        addKey(item);
    else if (m_steps > 0)
        addDelay(item.delay);
}

void MacroBlockBuilder::addKey(const MacroItem &item)
{
    // Delays of a key that did not fit must not land on the last step.
    if (m_steps == KeyMacro::MaxSteps) {
        m_full = true;
        return;
    }
    KeyStep &step = m_block.steps[m_steps++];
    step.action = item.action;
    step.kind = item.kind;
    step.setCode(item.code);
    m_afterDelay = false;
}

void MacroBlockBuilder::addDelay(std::uint32_t milliseconds)
{
    KeyStep &step = m_block.steps[m_steps - 1];
    const std::uint64_t total = (m_afterDelay ? std::uint64_t(step.delay()) : 0) + milliseconds;
    step.setDelay(std::uint32_t(std::min<std::uint64_t>(total, std::numeric_limits<std::uint32_t>::max())));
    m_afterDelay = true;
}

KeyMacro MacroBlockBuilder::block() const
{
    KeyMacro block = m_block;
    const bool trailingStep = m_afterDelay && m_steps < KeyMacro::MaxSteps;
    block.stepCountByte = std::uint8_t(m_steps + (trailingStep ? 1 : 0));
    return block;
}

QByteArray macroNameBytes(const QString &name)
{
    return macroNameFitting(QString(name).remove(QChar(0))).toLocal8Bit();
}

QString macroNameFitting(const QString &name)
{
    // Every character takes a byte at least, so no more than one character
    // past the limit needs encoding, however long a pasted text is.
    QString text = name.left(KeyMacro::MaxNameLength + 1);
    while (text.toLocal8Bit().size() > KeyMacro::MaxNameLength)
        text.chop(text.size() > 1 && text.at(text.size() - 1).isLowSurrogate() ? 2 : 1);
    return text;
}

int macroStepCount(const QVector<MacroItem> &items)
{
    return int(std::count_if(items.cbegin(), items.cend(),
                             [](const MacroItem &item) { return item.type == MacroItem::Key; }));
}

KeyMacro macroBlock(const QString &name, const QVector<MacroItem> &items)
{
    MacroBlockBuilder builder(name);
    for (const MacroItem &item : items)
        builder.add(item);
    return builder.block();
}

QVector<MacroItem> macroItemsOfBlock(const KeyMacro &block)
{
    QVector<MacroItem> items;
    for (int index = 0; index < block.stepCount(); ++index) {
        const KeyStep &step = block.steps[index];
        if (index > 0)
            items.append(MacroItem::pause(block.steps[index - 1].delay()));
        if (index == block.stepCount() - 1 && isEndMarker(step))
            break;
        const int action = step.action == KeyStep::Press ? KeyStep::Press : KeyStep::Release;
        items.append(MacroItem::key(step.kind, step.code(), action));
    }
    return items;
}

QString macroNameOfBlock(const KeyMacro &block)
{
    const auto *bytes = reinterpret_cast<const char *>(block.name);
    return QString::fromLocal8Bit(bytes, KeyMacro::MaxNameLength).remove(QChar(0));
}
