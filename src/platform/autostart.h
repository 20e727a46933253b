#pragma once

#include <QString>

// Starting the program when the user logs in. The program's path is kept,
// backslashed, as the registry's Run value of the application name, where
// other systems look for it; the desktop starts what the user's XDG
// autostart folder names.
class AutoStart
{
public:
    // "HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run".
    static QString runKey();
    // $XDG_CONFIG_HOME (else ~/.config) + "/autostart/" + name + ".desktop".
    static QString entryPath(const QString &applicationName);

    static void enable(const QString &applicationName, const QString &displayName, const QString &programPath);
    static void disable(const QString &applicationName);

    // The Exec line's value that starts `programPath` with no arguments.
    static QString execValue(const QString &programPath);
};
