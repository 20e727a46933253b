#include "registrystore.h"

#include <QDir>
#include <QMutexLocker>
#include <QSettings>
#include <QTextCodec>

namespace {

// Registry key levels become nested INI groups.
QString settingsKey(const QString &keyPath, const QString &name)
{
    QString key = keyPath;
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return key + QLatin1Char('/') + name;
}

} // namespace

RegistryStore *RegistryStore::instance()
{
    static RegistryStore *const store = new RegistryStore(defaultFilePath());
    return store;
}

QString RegistryStore::defaultFilePath()
{
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QDir::homePath() + QStringLiteral("/.config");
    return configHome + QStringLiteral("/Talvo Lumerant 4K/registry.ini");
}

RegistryStore::RegistryStore(const QString &filePath)
    : m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
    m_settings->setIniCodec(QTextCodec::codecForName("UTF-8"));
}

RegistryStore::~RegistryStore() = default;

QVariant RegistryStore::value(const QString &keyPath, const QString &name,
                              const QVariant &defaultValue) const
{
    QMutexLocker locker(&m_mutex);
    return m_settings->value(settingsKey(keyPath, name), defaultValue);
}

void RegistryStore::setValue(const QString &keyPath, const QString &name, const QVariant &value)
{
    QMutexLocker locker(&m_mutex);
    m_settings->setValue(settingsKey(keyPath, name), value);
    syncAndReport();
}

void RegistryStore::remove(const QString &keyPath, const QString &name)
{
    QMutexLocker locker(&m_mutex);
    m_settings->remove(settingsKey(keyPath, name));
    syncAndReport();
}

void RegistryStore::syncAndReport()
{
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        qWarning("Cannot write the stored values %s", qPrintable(m_settings->fileName()));
}
