#include "autostart.h"

#include "registrystore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString configHome()
{
    const QString chosen = qEnvironmentVariable("XDG_CONFIG_HOME");
    return chosen.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : chosen;
}

// A desktop entry's string escapes: a backslash doubled, control
// characters written out.
QString escapedString(const QString &text)
{
    QString escaped;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            escaped += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            escaped += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            escaped += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            escaped += QStringLiteral("\\r");
        else
            escaped += c;
    }
    return escaped;
}

} // namespace

QString AutoStart::runKey()
{
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
}

QString AutoStart::entryPath(const QString &applicationName)
{
    return configHome() + QStringLiteral("/autostart/") + applicationName + QStringLiteral(".desktop");
}

// The argument is quoted, so that spaces and reserved characters stay part
// of the path: inside the quotes '"', '`', '$' and '\' take a backslash,
// '%' is doubled, and then the value takes the string escapes.
QString AutoStart::execValue(const QString &programPath)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : programPath) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
        if (c == QLatin1Char('%'))
            quoted += c;
    }
    quoted += QLatin1Char('"');
    return escapedString(quoted);
}

void AutoStart::enable(const QString &applicationName, const QString &displayName, const QString &programPath)
{
    RegistryStore::instance()->setValue(runKey(), applicationName,
                                        QString(programPath).replace(QLatin1Char('/'), QLatin1Char('\\')));
    const QString path = entryPath(applicationName);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile entry(path);
    if (!entry.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    const QString content = QStringLiteral("[Desktop Entry]\nType=Application\nName=") + escapedString(displayName)
                            + QStringLiteral("\nExec=") + execValue(programPath)
                            + QStringLiteral("\nTerminal=false\nX-GNOME-Autostart-enabled=true\n");
    entry.write(content.toUtf8());
    entry.commit();
}

void AutoStart::disable(const QString &applicationName)
{
    RegistryStore::instance()->remove(runKey(), applicationName);
    QFile::remove(entryPath(applicationName));
}
