#pragma once

#include <QString>

// The product's name: it names the per-user data folder, keys the
// single-instance segment and serves as a registry key level.
extern const QString appName;

// The per-user data folder: the home folder, then "/AppData/Local/", then
// the application name. Device caches, macros, user settings and crash
// dumps live below it.
QString dataFolderPath();

// The folder of the running executable, which holds Config.ini, the
// language files, the pictures and the firmware images.
QString programFolderPath();

// The folder of the firmware images, the program folder's "bin". Tests
// name a folder of their own in the environment variable
// TALVO_FIRMWARE_FOLDER, so that the images the build writes beside them
// offer them no update.
QString firmwareFolderPath();
