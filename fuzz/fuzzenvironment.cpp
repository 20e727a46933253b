#include "fuzzenvironment.h"

#include "startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

void prepareFuzzEnvironment(int *argc, char ***argv)
{
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/talvo-fuzz-XXXXXX"));
    const QByteArray path = QFile::encodeName(home.path());
    setenv("HOME", path.constData(), 1);
    setenv("XDG_CONFIG_HOME", (path + "/.config").constData(), 1);
    setenv("XDG_STATE_HOME", (path + "/.local/state").constData(), 1);
    static QCoreApplication app(*argc, *argv);
    prepareDataFolder();
}

std::unique_ptr<QBuffer> openFuzzInput(const std::uint8_t *data, std::size_t size, QIODevice::OpenMode mode)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(reinterpret_cast<const char *>(data), int(size));
    buffer->open(QIODevice::ReadOnly | mode);
    return buffer;
}
