#pragma once

#include "flashdatamap.h"
#include "macroitem.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// Builds the 592-byte macro block a key plays, the one road from a macro to
// the device for the key page and the macro editor alike. A key opens a
// step; a delay sets the delay of the step before it. Items seldom
// alternate strictly (a leading delay, two keys or two delays in a row), so
// a leading delay is dropped, consecutive delays add up, and a key after a
// key opens a step of its own. A macro ending in a delay gets one more,
// all-zero step that marks its end, as the device has always been sent. The block holds 70
// steps: what comes after the seventieth is left out.
class MacroBlockBuilder
{
public:
    explicit MacroBlockBuilder(const QString &name);

    void add(const MacroItem &item);
    KeyMacro block() const;

private:
    void addKey(const MacroItem &item);
    void addDelay(std::uint32_t milliseconds);

    KeyMacro m_block;
    int m_steps = 0;
    bool m_afterDelay = false;
    bool m_full = false;
};

// The steps items take in a block: their keys, delays not counted. Beyond
// KeyMacro::MaxSteps the builder leaves keys out, so the editor and the key
// page refuse a macro more.
int macroStepCount(const QVector<MacroItem> &items);

// The block of a whole item list.
KeyMacro macroBlock(const QString &name, const QVector<MacroItem> &items);

// The items a block plays, as the editor lists them: each step a key, and
// between two steps the delay of the first. The last step's delay is not
// listed, and an all-zero last step is the end marker of a macro ending in
// a delay, not a key, so a block gives back the items it was built from
// (once they alternate and start with a key).
QVector<MacroItem> macroItemsOfBlock(const KeyMacro &block);

// The name a block carries: its 30 name bytes in the local 8-bit encoding
// without NUL characters. The field is zero-padded, so its length byte is
// not needed, and a length byte over 30 must not count.
QString macroNameOfBlock(const KeyMacro &block);

// A macro name as the block's name field takes it: the local 8-bit form
// without NUL characters, at most 30 bytes, cut between characters.
QByteArray macroNameBytes(const QString &name);
// The longest start of `name` whose local 8-bit form fits those 30 bytes,
// cut between characters: what a name typed for a macro may hold.
QString macroNameFitting(const QString &name);
