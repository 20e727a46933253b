#pragma once

#include <QString>

// Makes the data folder's sub-folders and an empty Macro.ini where they are
// missing. Failures are reported on standard error; start-up goes on.
void prepareDataFolder();

// Removes the files (never folders, never anything inside a sub-folder) of
// `folder` whose age in whole days is above 7. A modification time in the
// future counts as age 0.
void purgeOldFiles(const QString &folder);
