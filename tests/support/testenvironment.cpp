#include "testenvironment.h"

#include <QDir>

#include <cstdlib>

TestEnvironment::TestEnvironment()
    : m_home(QDir::tempPath() + QStringLiteral("/talvo-test-XXXXXX"))
{
    if (!m_home.isValid())
        qFatal("Cannot create a test home folder: %s", qPrintable(m_home.errorString()));
    const QByteArray home = QFile::encodeName(m_home.path());
    QDir(m_home.path()).mkpath(QStringLiteral("tmp"));
    setenv("HOME", home.constData(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/.config").constData(), 1);
    setenv("XDG_STATE_HOME", (home + "/.local/state").constData(), 1);
    setenv("TMPDIR", (home + "/tmp").constData(), 1);
    // Missing until a test writes images into it: no update is offered.
    setenv("TALVO_FIRMWARE_FOLDER", QFile::encodeName(firmwareFolder()).constData(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
}

QString TestEnvironment::dataFolder() const
{
    return m_home.path() + QStringLiteral("/AppData/Local/Talvo Lumerant 4K");
}

QString TestEnvironment::firmwareFolder() const
{
    return m_home.path() + QStringLiteral("/firmware");
}
