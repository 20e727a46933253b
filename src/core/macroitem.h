#pragma once

#include "flashdatamap.h"

#include <QString>

#include <optional>

// One item of a macro as files and the editor list it: a key press or
// release (kind, code and action of a KeyStep), or a delay in milliseconds.
struct MacroItem
{
    enum Type { Key, Delay };

    Type type = Key;
    std::uint8_t kind = KeyStep::Key;
    std::uint16_t code = 0;
    std::uint8_t action = KeyStep::Press;
    std::uint32_t delay = 0;

    static MacroItem key(int kind, int code, int action);
    static MacroItem pause(std::uint32_t milliseconds);

    // The text the editor lists: the key's name in the current language,
    // or the delay as "<milliseconds>ms".
    QString text() const;
    // The delay a "<digits>ms" text gives; none for any other text.
    static std::optional<MacroItem> pauseOfText(const QString &text);
    // The item a listed text names, a key with `action`; none for a text
    // that is neither a delay nor a key name of either language.
    static std::optional<MacroItem> ofText(const QString &text, int action);

    // The picture the editor shows beside the item, a path in the program
    // folder: a press, a release or a delay.
    QString picturePath() const;

    bool operator==(const MacroItem &other) const;
    bool operator!=(const MacroItem &other) const { return !(*this == other); }
};
