#include "macroinistore.h"

#include "appinfo.h"

#include <QMutexLocker>
#include <QSettings>
#include <QTextCodec>

namespace {

QString fullKey(const QString &group, const QString &key)
{
    return group + QLatin1Char('/') + key;
}

} // namespace

MacroIniStore *MacroIniStore::instance()
{
    static MacroIniStore *const store =
        new MacroIniStore(dataFolderPath() + QStringLiteral("/Macro.ini"));
    return store;
}

MacroIniStore::MacroIniStore(const QString &path)
    : m_path(path)
    , m_settings(std::make_unique<QSettings>(path, QSettings::IniFormat))
{
    m_settings->setIniCodec(QTextCodec::codecForName("UTF-8"));
}

MacroIniStore::~MacroIniStore() = default;

QString MacroIniStore::value(const QString &group, const QString &key) const
{
    QMutexLocker locker(&m_mutex);
    return m_settings->value(fullKey(group, key), QString()).toString();
}

QStringList MacroIniStore::valueList(const QString &group, const QString &key) const
{
    QMutexLocker locker(&m_mutex);
    return m_settings->value(fullKey(group, key)).toStringList();
}

void MacroIniStore::setValue(const QString &group, const QString &key, const QString &value)
{
    QMutexLocker locker(&m_mutex);
    m_settings->setValue(fullKey(group, key), value);
    syncAndReport();
}

void MacroIniStore::remove(const QString &group, const QString &key)
{
    QMutexLocker locker(&m_mutex);
    m_settings->remove(fullKey(group, key));
    syncAndReport();
}

void MacroIniStore::syncAndReport()
{
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        qWarning("Cannot write the user settings %s: the choice is kept for this run only",
                 qPrintable(m_path));
}
