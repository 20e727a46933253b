#pragma once

#include <QString>

class QWidget;

// Asks where to export a file of extension `suffix` ("ini", "bin"), from
// the home folder. A name typed without an extension gets `suffix` before
// the dialog checks it, so its question whether to replace a file is asked
// about the file that will be written, and the import, which lists only
// that extension, finds the file. Empty when cancelled.
QString askExportPath(QWidget *parent, const QString &suffix);
