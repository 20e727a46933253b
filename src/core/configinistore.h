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

    // The Option colour `key` as style sheets take it, "red,green,blue": its
    // first three items joined with commas, white when it holds fewer.
    QString colourText(const QString &key) const;

    static bool isProtectedKey(const QString &key);
    // Lenient Base64 (foreign characters skipped), UTF-8 text, then every
    // line feed and every blank removed, also inside the text.
    static QString decodeProtected(const QString &encoded);
};

// A colour of the look, `Option` group of Config.ini, as "r,g,b".
QString optionColour(const char *key);
