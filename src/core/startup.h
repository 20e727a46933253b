#pragma once

#include <QString>

// Makes the data folder's sub-folders and an empty Macro.ini where they are
// missing. Failures are reported on standard error; start-up goes on.
void prepareDataFolder();

// Removes the files (never folders, never anything inside a sub-folder) of
// `folder` whose age in whole days is above 7. Ages are taken in unsigned
// 32-bit seconds, so a modification time in the future counts as old.
void purgeOldFiles(const QString &folder);
