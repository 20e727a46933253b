#pragma once

#include "flashdatamap.h"

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
// (no "xml", no ".ini") and holds no control characters.
bool isUsableMacroName(const QString &name);

// The repeat mode, the first item of the file's first line; "0" when the
// file is missing, unreadable, empty or the name is unusable.
QString readMacroRepeatText(const QString &name);

// Replaces the file with the one line `text`, atomically: a failed write
// leaves the old file whole. False for an unusable name or a failed write.
bool saveMacroRepeatValue(const QString &name, const QString &text);

// The block of the macro file named `name`, built only while the device
// pages may send and when the file can be read. False with a zero block
// otherwise.
bool buildMacroBlockFromIni(const QString &name, KeyMacro *block);
// The block of a macro file's text, read from an open device (text mode).
// Key names decide the steps' codes, so a code no name has becomes an empty
// key. A file without steps still gives one empty step.
KeyMacro macroBlockFromText(const QString &name, QIODevice *file);
