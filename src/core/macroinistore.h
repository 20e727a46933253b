#pragma once

#include "inifilestore.h"

// The user INI file "Macro.ini" in the data folder: language, autostart and
// notice choices. Every write reaches the file at once, because the tray's
// exit ends the process without running the event loop again.
class MacroIniStore : public IniFileStore
{
public:
    static MacroIniStore *instance();

    explicit MacroIniStore(const QString &path);

protected:
    void changed(QSettings &settings) override;
};
