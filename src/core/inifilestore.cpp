#include "inifilestore.h"

#include <QMutexLocker>
#include <QSettings>
#include <QTextCodec>

namespace {

QString fullKey(const QString &group, const QString &key)
{
    return group + QLatin1Char('/') + key;
}

} // namespace

IniFileStore::IniFileStore(const QString &path)
    : m_path(path)
    , m_settings(std::make_unique<QSettings>(path, QSettings::IniFormat))
{
    m_settings->setIniCodec(QTextCodec::codecForName("UTF-8"));
}

IniFileStore::~IniFileStore() = default;

QString IniFileStore::value(const QString &group, const QString &key) const
{
    QMutexLocker locker(&m_mutex);
    return m_settings->value(fullKey(group, key), QString()).toString();
}

QStringList IniFileStore::valueList(const QString &group, const QString &key) const
{
    QMutexLocker locker(&m_mutex);
    return m_settings->value(fullKey(group, key)).toStringList();
}

QStringList IniFileStore::groups() const
{
    QMutexLocker locker(&m_mutex);
    return m_settings->childGroups();
}

void IniFileStore::setValue(const QString &group, const QString &key, const QString &value)
{
    QMutexLocker locker(&m_mutex);
    m_settings->setValue(fullKey(group, key), value);
    changed(*m_settings);
}

void IniFileStore::remove(const QString &group, const QString &key)
{
    QMutexLocker locker(&m_mutex);
    m_settings->remove(fullKey(group, key));
    changed(*m_settings);
}

void IniFileStore::changed(QSettings &)
{
}
