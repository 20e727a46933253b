#include "macrofile.h"

#include "appinfo.h"
#include "macroblockbuilder.h"
#include "pagestate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace {

bool replaceMacroFile(const QString &name, const QByteArray &content)
{
    if (!isUsableMacroName(name))
        return false;
    QSaveFile file(macroFilePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(content);
    return file.commit();
}

} // namespace

QString macroFolderPath()
{
    return dataFolderPath() + QStringLiteral("/usersetting/MacroPage");
}

QString macroFilePath(const QString &name)
{
    return macroFolderPath() + QLatin1Char('/') + name + QStringLiteral(".ini");
}

bool isUsableMacroName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')) || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name.contains(QLatin1String("..")) || name.contains(QLatin1String("xml"))
        || name.contains(QLatin1String(".ini")) || name.toUtf8().size() > MaxMacroNameBytes)
        return false;
    for (const QChar character : name) {
        if (character.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

bool isDeviceMacroName(const QString &name)
{
    return isUsableMacroName(name) && QString::fromLocal8Bit(macroNameBytes(name)) == name;
}

QStringList macroNames()
{
    const QDir folder(macroFolderPath(), QStringLiteral("*.ini"), QDir::Name | QDir::IgnoreCase,
                      QDir::Files | QDir::NoSymLinks | QDir::CaseSensitive);
    QStringList names;
    for (const QString &fileName : folder.entryList()) {
        const QString name = fileName.chopped(4);
        if (isUsableMacroName(name))
            names.append(name);
    }
    return names;
}

bool renameMacroFile(const QString &name, const QString &newName)
{
    return isUsableMacroName(name) && isUsableMacroName(newName)
           && QFile::rename(macroFilePath(name), macroFilePath(newName));
}

bool buildMacroBlockFromIni(const QString &name, KeyMacro *block)
{
    std::memset(block, 0, sizeof *block);
    MacroText macro;
    if (!g_deviceUiLive || !readMacroFile(name, &macro))
        return false;
    *block = boundMacroBlock(name, macro.items);
    return true;
}

KeyMacro boundMacroBlock(const QString &name, const QVector<MacroItem> &items)
{
    KeyMacro block = macroBlock(name, items);
    if (block.stepCountByte == 0)
        block.stepCountByte = 1;
    return block;
}

KeyMacro macroBlockFromText(const QString &name, QIODevice *file)
{
    return boundMacroBlock(name, MacroText::read(file).items);
}

bool readMacroFile(const QString &name, MacroText *macro)
{
    QFile file(macroFilePath(name));
    if (!isUsableMacroName(name) || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    *macro = MacroText::read(&file);
    return true;
}

bool writeMacroFile(const QString &name, const MacroText &macro)
{
    return replaceMacroFile(name, macro.bytes());
}

bool addMacroFileFromBlock(const QString &name, int repeat, const KeyMacro &block)
{
    if (!isUsableMacroName(name))
        return false;
    return QFileInfo::exists(macroFilePath(name))
           || writeMacroFile(name, {MacroText::usableRepeat(repeat), macroItemsOfBlock(block)});
}
