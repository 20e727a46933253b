#pragma once

#include <QMutex>
#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

// The user INI file "Macro.ini" in the data folder: language, autostart and
// notice choices. Every write reaches the file at once, because the tray's
// exit ends the process without running the event loop again.
class MacroIniStore
{
public:
    static MacroIniStore *instance();

    explicit MacroIniStore(const QString &path);
    ~MacroIniStore();

    QString value(const QString &group, const QString &key) const;
    QStringList valueList(const QString &group, const QString &key) const;
    void setValue(const QString &group, const QString &key, const QString &value);
    void remove(const QString &group, const QString &key);

    QString path() const { return m_path; }

private:
    void syncAndReport();

    QString m_path;
    std::unique_ptr<QSettings> m_settings;
    mutable QMutex m_mutex;
};
