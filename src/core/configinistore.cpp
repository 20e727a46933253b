#include "configinistore.h"

#include "appinfo.h"

#include <QByteArray>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSettings>
#include <QTextCodec>

namespace {

QString fullKey(const QString &group, const QString &key)
{
    return group + QLatin1Char('/') + key;
}

} // namespace

ConfigIniStore *ConfigIniStore::instance()
{
    static ConfigIniStore *const store =
        new ConfigIniStore(programFolderPath() + QStringLiteral("/usersetting/Config.ini"));
    return store;
}

ConfigIniStore::ConfigIniStore(const QString &path)
    : m_path(path)
    , m_settings(std::make_unique<QSettings>(path, QSettings::IniFormat))
{
    m_settings->setIniCodec(QTextCodec::codecForName("UTF-8"));
    const QFileInfo file(path);
    if (!file.isReadable())
        qWarning("Cannot read the program settings %s: devices and colours stay empty",
                 qPrintable(path));
}

ConfigIniStore::~ConfigIniStore() = default;

bool ConfigIniStore::isProtectedKey(const QString &key)
{
    static const QStringList protectedKeys = {
        QStringLiteral("MM"),           QStringLiteral("DM"),
        QStringLiteral("D2M"),          QStringLiteral("D4M"),
        QStringLiteral("D8M"),          QStringLiteral("Sensor"),
        QStringLiteral("CID"),          QStringLiteral("VID"),
        QStringLiteral("USB_PID"),      QStringLiteral("Wireless_PID"),
        QStringLiteral("Wireless2_PID"), QStringLiteral("Wireless4_PID"),
        QStringLiteral("Wireless8_PID"),
    };
    return protectedKeys.contains(key, Qt::CaseSensitive);
}

QString ConfigIniStore::decodeProtected(const QString &encoded)
{
    QString text = QString::fromUtf8(QByteArray::fromBase64(encoded.toUtf8()));
    text.remove(QLatin1Char('\n'));
    text.remove(QLatin1Char(' '));
    return text;
}

QString ConfigIniStore::value(const QString &group, const QString &key) const
{
    QMutexLocker locker(&m_mutex);
    const QString text = m_settings->value(fullKey(group, key), QString()).toString();
    return isProtectedKey(key) ? decodeProtected(text) : text;
}

QStringList ConfigIniStore::valueList(const QString &group, const QString &key) const
{
    QMutexLocker locker(&m_mutex);
    QStringList items = m_settings->value(fullKey(group, key)).toStringList();
    if (isProtectedKey(key)) {
        for (QString &item : items)
            item = decodeProtected(item);
    }
    return items;
}

QString ConfigIniStore::colourText(const QString &key) const
{
    const QStringList items = valueList(QStringLiteral("Option"), key);
    if (items.size() < 3)
        return QStringLiteral("255,255,255");
    QStringList rgb;
    for (int index = 0; index < 3; ++index)
        rgb.append(items.at(index).trimmed());
    return rgb.join(QLatin1Char(','));
}

void ConfigIniStore::setValue(const QString &group, const QString &key, const QString &value)
{
    QMutexLocker locker(&m_mutex);
    m_settings->setValue(fullKey(group, key), value);
}

void ConfigIniStore::remove(const QString &group, const QString &key)
{
    QMutexLocker locker(&m_mutex);
    m_settings->remove(fullKey(group, key));
}
