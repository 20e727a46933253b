#pragma once

#include "flashdatamap.h"
#include "macrotext.h"

#include <QString>

class QIODevice;

// The user's macros, one text file each in the data folder's
// "usersetting/MacroPage": "<name>.ini", a first line with the repeat mode
// ("253", "254", "255" or a count), then key lines (code text, kind,
// "0" press or "1" release) and delay lines ("10ms").

QString macroFolderPath();
QString macroFilePath(const QString &name);

// Whether a name may name a macro file. Names also come from device records
// and imported profiles, so a name must not leave the folder (no path
// separator, no ".."), must not be hidden or renamed by the macro listing
// (no leading ".", no "xml", no ".ini"), holds no control characters and
// is more than blanks, which no list entry would show.
// It holds at most MaxMacroNameBytes bytes in UTF-8, what an exported macro
// carries.
constexpr int MaxMacroNameBytes = 48;
bool isUsableMacroName(const QString &name);

// Whether a name may be given to a macro: a usable one that a device's
// block carries whole, its name bytes (macroNameBytes) reading back to the
// name itself. A key bound to a macro is captioned and found again by the
// name the device holds, so every name a user gives (typed, pasted,
// renamed to, imported) and every macro bound to a key must pass. Files
// the folder holds under longer names stay listed, to be renamed.
bool isDeviceMacroName(const QString &name);

// The macros of the folder, sorted by name ignoring case: the usable names
// of its "<name>.ini" files. Other files are left out, since no macro
// could be read from or saved to them.
QStringList macroNames();

// Renames a macro's file; false when either name is unusable, the new name
// has a file already, either is held by anything but a plain file (a link
// is neither moved nor followed) or the rename fails.
bool renameMacroFile(const QString &name, const QString &newName);

// The block of the macro file named `name`, and its repeat mode for the
// key's entry, built only while the device pages may send, when the file
// can be read and when the device plays all of its keys: a block cut short
// could end on a press and leave the key held down. False with a zero
// block otherwise.
bool buildMacroBlockFromIni(const QString &name, KeyMacro *block, int *repeat = nullptr);
// The block a key is sent for a macro's items. A macro without steps
// still gives one empty step.
KeyMacro boundMacroBlock(const QString &name, const QVector<MacroItem> &items);
// The block of a macro file's text, read from an open device (text mode)
// as MacroText reads it, so the key page binds what the editor shows.
KeyMacro macroBlockFromText(const QString &name, QIODevice *file);

// The macro file named `name`; false for an unusable name or a file that
// cannot be read, and for anything but a plain file under the name, as the
// folder's listing has it.
bool readMacroFile(const QString &name, MacroText *macro);

// Replaces (or creates) the macro file named `name`, atomically: a failed
// write leaves the old file whole. False for an unusable name, a name held
// by anything but a plain file (a link's target is never written nor
// created) or a failed write.
bool writeMacroFile(const QString &name, const MacroText &macro);

// Gives a macro a device block holds its file when the folder has none of
// that name: the block's steps together with the repeat mode (a mode or
// count the file cannot hold becomes 1). An existing file is the user's
// and is left as it is, whatever the device holds: it may have more steps
// than a block, or have been saved while the mouse was away. Anything else
// under the name (a folder, a link, a pipe) takes it too, and is no macro.
// True when the macro has its plain file afterwards.
bool addMacroFileFromBlock(const QString &name, int repeat, const KeyMacro &block);
