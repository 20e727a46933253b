#pragma once

#include <QMutex>
#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

// Values the program keeps under registry key paths such as
// "HKEY_CURRENT_USER\Software\...". On this platform they live in one INI
// file in the user's configuration folder. Safe to call from any thread;
// every write reaches the file at once.
class RegistryStore
{
public:
    static RegistryStore *instance();
    // $XDG_CONFIG_HOME (else ~/.config) + "/Talvo Lumerant 4K/registry.ini".
    static QString defaultFilePath();

    explicit RegistryStore(const QString &filePath);
    ~RegistryStore();

    QVariant value(const QString &keyPath, const QString &name,
                   const QVariant &defaultValue = QVariant()) const;
    void setValue(const QString &keyPath, const QString &name, const QVariant &value);
    void remove(const QString &keyPath, const QString &name);

private:
    void syncAndReport();

    std::unique_ptr<QSettings> m_settings;
    mutable QMutex m_mutex;
};
