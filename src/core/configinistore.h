#pragma once

#include "inifilestore.h"

// The program INI file "usersetting/Config.ini" in the program folder: device
// models, ids, firmware identifiers, sensor tables, colours and limits.
// Thirteen keys hold Base64 text, decoded on every read. The program never
// writes this file.
class ConfigIniStore : public IniFileStore
{
public:
    static ConfigIniStore *instance();

    explicit ConfigIniStore(const QString &path);

    QString value(const QString &group, const QString &key) const override;
    QStringList valueList(const QString &group, const QString &key) const override;

    static bool isProtectedKey(const QString &key);
    // Lenient Base64 (foreign characters skipped), UTF-8 text, then every
    // line feed and every blank removed, also inside the text.
    static QString decodeProtected(const QString &encoded);
};
