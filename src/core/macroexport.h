#pragma once

#include "macrotext.h"

#include <QString>

#include <optional>

class QIODevice;

// A macro as users exchange it: a Qt data stream (version 17) of the marker
// block "Dedid", the name (48 bytes of UTF-8), the repeat mode (12 bytes of
// decimal text) and the items, each as the text the editor lists, its
// picture as an icon and, for keys, "0" press or "1" release. Items travel
// by their text, so keys are found again by name, mouse buttons in either
// language.
struct MacroExport
{
    QString name;
    MacroText macro;

    // False for a name no macro file may have (isUsableMacroName) or a
    // failed write.
    bool write(QIODevice *file) const;

    // None unless the stream begins with the marker, its header is whole
    // and its name may be given to a macro (isDeviceMacroName). The repeat mode becomes one the
    // file can hold; items that name no key or delay are left out, and
    // reading stops at the item count, the stream's end or the first damaged
    // item. `nameRefused`, when given, is set for a whole header whose name
    // alone was refused.
    static std::optional<MacroExport> read(QIODevice *file, bool *nameRefused = nullptr);
};
