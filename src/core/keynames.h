#pragma once

#include "flashdatamap.h"

#include <QString>
#include <QStringList>

#include <optional>

// The names of keyboard keys ("Ctrl", "A", "F7", "Num3", "←") and the codes
// key sequences and macros store for them: HID keyboard usages (kind 1),
// modifier bits (kind 0) and mouse-button bits (kind 4). All lookups compare
// names exactly, case included. GUI thread only: the mouse-button names
// follow the language.
//
// Key combinations name their modifiers "Ctrl", "Shift", "Alt" and "Win";
// macros name them by side, "LCtrl" to "RWin", and have mouse buttons.

// The names in a combination text such as "Ctrl+Alt+Del". "+" separates
// names, except where it ends the name "Num+" (in any case): "Ctrl+Num+" is
// Ctrl and Num+.
QStringList splitKeyCombination(const QString &text);

// A combination a person typed or pasted, in the vocabulary's spelling:
// names compare ignoring case, so "ctrl+space" is "Ctrl+Space". None when
// a name is neither a key nor one of the four modifiers.
std::optional<QString> spelledKeyCombination(const QString &text);

// The name a combination gives the key of a Windows virtual-key code; empty
// for the modifier keys, which a combination names by their own boxes, and
// for keys without a name.
QString combinationKeyName(int virtualKey);

// The name of a stored combination step (table A); empty when it has none.
QString KeyUsageName(int code, int kind);

// Writes the press of `name` into step `position` and its release into step
// 2 * count - 1 - position, each followed by 10 ms (table B). A name outside
// the vocabulary keeps the codes the steps held. Steps outside the block are
// not written.
KeyData KeyStepPairFromName(const QString &name, int position, int count, KeyData block);

// The key sequence of a combination text: the presses in text order, then
// the releases in reverse order. A sequence holds three keys; further names
// are left out.
KeyData KeyDataFromCombination(const QString &text);

// The combination a key sequence plays, its press half named by table A and
// joined with "+"; empty for fewer than two steps.
QString keySequenceCaption(const KeyData &data);

// A macro key: its kind (KeyStep::Kind) and code.
struct MacroKey
{
    int kind;
    int code;
};

// The mouse buttons a macro can click, in the editor's order: 0 left,
// 1 right, 2 middle, 3 forward, 4 back. Their names are the editor's
// language texts, so they follow the language.
constexpr int MouseButtonCount = 5;
// The bit of a button in that order; 0 for any other number.
int mouseButtonCode(int button);
// The current language's name of a button bit; empty for other codes.
QString mouseButtonName(int code);

// The name of a step read from a device block, kind 4 aside: codes that are
// both a key usage and a modifier bit (0x04, 0x08, 0x10, 0x20) name the
// side modifier for kind 0, the key for kind 1 and nothing for other kinds;
// 0x40 names RAlt for kind 0 and F7 otherwise; every other code names its
// key or modifier whatever the kind, the keypad's Enter (0x58) "Enter".
QString keyNameFromCode(int code, int kind);
// The name the editor shows for a macro step of any kind.
QString macroKeyName(int kind, int code);

// The key of a name the editor shows or a file exchanged between users
// holds: side modifiers, keys (the empty name is key 0), then mouse buttons
// in the current language and in every other. None for an unknown name.
std::optional<MacroKey> macroKeyOfName(const QString &name);
// The key the macro recorder records for a Windows virtual-key code; none
// for a key the vocabulary does not name.
std::optional<MacroKey> macroKeyOfVirtualKey(int virtualKey);

// The name a macro file's key line gives its code text ("0x" and two
// upper-case hexadecimal digits) and kind; empty when no row has the pair.
QString hidUsageToKeyName(const QString &codeText, int kind);

// The code text of a macro file's key line: "0x" and two upper-case
// hexadecimal digits ("0x04", "0x2A"); and back, -1 for any other text.
QString macroCodeText(int code);
int macroCodeOfText(const QString &codeText);

// Whether a macro key of this kind and code has a name: a key usage
// (kind 1), a side modifier bit (kind 0) or a mouse-button bit (kind 4).
bool isMacroKey(int kind, int code);
