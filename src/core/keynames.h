#pragma once

#include "flashdatamap.h"

#include <QString>
#include <QStringList>

// The names of keyboard keys ("Ctrl", "A", "F7", "Num3", "←") and the codes
// key sequences and macros store for them: HID keyboard usages (kind 1),
// modifier bits (kind 0) and mouse-button bits (kind 4). All lookups compare
// names exactly, case included. GUI thread only: the mouse-button names
// follow the language.
//
// Key combinations name their modifiers "Ctrl", "Shift", "Alt" and "Win";
// macros name them by side, "LCtrl" to "RWin", and have mouse buttons.

// The names in a combination text such as "Ctrl+Alt+Del". "+" separates
// names, except where it ends the name "Num+": "Ctrl+Num+" is Ctrl and Num+.
QStringList splitKeyCombination(const QString &text);

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

// The texts the current language gives the mouse buttons of bits 0x01,
// 0x02, 0x04, 0x08 and 0x10, in this order. Empty until the macro editor
// sets them.
void setMouseButtonNames(const QStringList &names);

// Writes the kind and code of step `step` of a macro for `name` (table C):
// side modifiers, keys, then the mouse buttons; any other name gives kind 1
// and keeps the code. The action and the delay are left alone; steps
// outside the block are not written.
void MacroStepFromKeyName(const QString &name, int step, KeyMacro &block);
void setMacroStepKey(KeyStep &step, const QString &name);

// The name a macro file's key line gives its code text ("0x" and two
// upper-case hexadecimal digits) and kind; empty when no row has the pair.
QString hidUsageToKeyName(const QString &codeText, int kind);
