#include "desktopmousesettings.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace {

struct SettingsProgram
{
    const char *program;
    const char *argument;
};

// GNOME, Cinnamon, KDE Plasma 6 and 5, Xfce, MATE, LXQt, LXDE.
constexpr SettingsProgram Programs[] = {
    {"gnome-control-center", "mouse"}, {"cinnamon-settings", "mouse"},
    {"systemsettings", "kcm_mouse"},   {"systemsettings5", "kcm_mouse"},
    {"xfce4-mouse-settings", nullptr}, {"mate-mouse-properties", nullptr},
    {"lxqt-config-input", nullptr},    {"lxinput", nullptr},
};

} // namespace

bool DesktopMouseSettings::open()
{
    for (const SettingsProgram &candidate : Programs) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(candidate.program));
        if (path.isEmpty())
            continue;
        QStringList arguments;
        if (candidate.argument)
            arguments << QLatin1String(candidate.argument);
        return QProcess::startDetached(path, arguments);
    }
    return false;
}
