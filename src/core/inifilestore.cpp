#include "inifilestore.h"

#include <QMutexLocker>
#include <QSettings>
#include <QTextCodec>

namespace {

QString fullKey(const QString &group, const QString &key)
{
    return group + QLatin1Char('/') + key;
}

std::unique_ptr<QSettings> openSettings(const QString &path)
{
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    settings->setIniCodec(QTextCodec::codecForName("UTF-8"));
    return settings;
}

} // namespace

IniFileStore::IniFileStore(const QString &path)
    : m_path(path)
    , m_settings(openSettings(path))
{
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
    forgetEarlierErrors();
    m_settings->setValue(fullKey(group, key), value);
    changed(*m_settings);
}

void IniFileStore::remove(const QString &group, const QString &key)
{
    QMutexLocker locker(&m_mutex);
    forgetEarlierErrors();
    m_settings->remove(fullKey(group, key));
    changed(*m_settings);
}

void IniFileStore::changed(QSettings &)
{
}

// QSettings keeps the first error it met for as long as it lives, so a line
// it could not parse while reading would stay reported after every change.
// A fresh object over the same file starts without one, and the status a
// change leaves then tells about that change.
void IniFileStore::forgetEarlierErrors()
{
    if (m_settings->status() != QSettings::NoError)
        m_settings = openSettings(m_path);
}
