#include "regularfile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool openRegularFile(QFile *file, const QString &path, QIODevice::OpenMode mode, SymbolicLinks links)
{
    // Opened without waiting, then looked at: checking the path first would
    // leave a moment for a pipe to take the file's place.
    const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (links == SymbolicLinks::Follow ? 0 : O_NOFOLLOW);
    const int descriptor = ::open(QFile::encodeName(path).constData(), flags);
    if (descriptor < 0)
        return false;
    struct stat status;
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)
        || ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK) != 0
        || !file->open(descriptor, mode, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return false;
    }
    return true;
}
