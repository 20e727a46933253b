#include "configinistore.h"

#include "appinfo.h"

#include <QByteArray>
#include <QFileInfo>

ConfigIniStore *ConfigIniStore::instance()
{
    static ConfigIniStore *const store =
        new ConfigIniStore(programFolderPath() + QStringLiteral("/usersetting/Config.ini"));
    return store;
}

ConfigIniStore::ConfigIniStore(const QString &path)
    : IniFileStore(path)
{
    if (!QFileInfo(path).isReadable())
        qWarning("Cannot read the program settings %s: devices and colours stay empty",
                 qPrintable(path));
}

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
    const QString text = IniFileStore::value(group, key);
    return isProtectedKey(key) ? decodeProtected(text) : text;
}

QStringList ConfigIniStore::valueList(const QString &group, const QString &key) const
{
    QStringList items = IniFileStore::valueList(group, key);
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

QString optionColour(const char *key)
{
    return ConfigIniStore::instance()->colourText(QLatin1String(key));
}
