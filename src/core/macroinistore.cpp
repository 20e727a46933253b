#include "macroinistore.h"

#include "appinfo.h"

#include <QSettings>

MacroIniStore *MacroIniStore::instance()
{
    static MacroIniStore *const store =
        new MacroIniStore(dataFolderPath() + QStringLiteral("/Macro.ini"));
    return store;
}

MacroIniStore::MacroIniStore(const QString &path)
    : IniFileStore(path)
{
}

void MacroIniStore::changed(QSettings &settings)
{
    settings.sync();
    // A format error is a line of the file that could not be parsed, which
    // this write has just dropped: only an access error means it failed.
    if (settings.status() == QSettings::AccessError)
        qWarning("Cannot write the user settings %s: the choice is kept for this run only",
                 qPrintable(path()));
}
