#pragma once

#include <QIODevice>

class QFile;
class QString;

enum class SymbolicLinks { Follow, Refuse };

// Opens the file at `path` to read (`mode`: ReadOnly, with Text or not),
// only when it is a regular file. A pipe, a device or a socket in its place
// is never waited for: opening a pipe to read waits until someone writes to
// it, which would freeze the window for good. The macro folder refuses
// symbolic links too, as its listing leaves them out.
bool openRegularFile(QFile *file, const QString &path, QIODevice::OpenMode mode, SymbolicLinks links);
