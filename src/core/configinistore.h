#pragma once

#include <QMutex>
#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

// The program INI file "usersetting/Config.ini" in the program folder: device
// models, ids, firmware identifiers, sensor tables, colours and limits.
// Thirteen keys hold Base64 text, decoded on every read. The program never
// writes this file.
class ConfigIniStore
{
public:
    static ConfigIniStore *instance();

    explicit ConfigIniStore(const QString &path);
    ~ConfigIniStore();

    QString value(const QString &group, const QString &key) const;
    QStringList valueList(const QString &group, const QString &key) const;
    void setValue(const QString &group, const QString &key, const QString &value);
    void remove(const QString &group, const QString &key);

    QString path() const { return m_path; }

    // The Option colour `key` as style sheets take it, "red,green,blue": its
    // first three items joined with commas, white when it holds fewer.
    QString colourText(const QString &key) const;

    static bool isProtectedKey(const QString &key);
    // Lenient Base64 (foreign characters skipped), UTF-8 text, then every
    // line feed and every blank removed, also inside the text.
    static QString decodeProtected(const QString &encoded);

private:
    QString m_path;
    std::unique_ptr<QSettings> m_settings;
    // The worker and the device callbacks read from their own threads.
    mutable QMutex m_mutex;
};
