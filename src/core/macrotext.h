#pragma once

#include "macroitem.h"

#include <QByteArray>
#include <QVector>

class QIODevice;

// A macro as its text file holds it: a first line with the repeat mode,
// then one line per item, "<code text> <kind> <0 press | 1 release>" for a
// key ("0x04 1 0") and "<milliseconds>ms" for a delay ("10ms"). Keys are
// written from their kind and code, never from a display name, so a file
// means the same whatever language wrote it.
struct MacroText
{
    // Repeat modes; any other first line is a play count of 1 to MaxCount.
    static constexpr int WhileHeld = 253;
    static constexpr int UntilReleased = 254;
    static constexpr int UntilClickedAgain = 255;
    static constexpr int MaxCount = 250;

    int repeat = 1;
    QVector<MacroItem> items;

    // `value` when it is a repeat mode or a count, otherwise 1.
    static int usableRepeat(int value);

    // Reads a whole file from an open device (text mode). Tolerant of what
    // people type: any run of blanks separates fields, CR LF and a last
    // line without its end are fine. Lines that are neither a key nor a
    // "<digits>ms" delay are skipped; a key line whose code and kind have
    // no key name gives the key without a name (kind 1, code 0), as the
    // editor has always listed it. A file without a first line repeats 1.
    static MacroText read(QIODevice *file);

    QByteArray bytes() const;
};
