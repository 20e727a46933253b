#include "macrofile.h"

#include "appinfo.h"
#include "macroblockbuilder.h"
#include "pagestate.h"
#include "regularfile.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Whether nothing but a plain file holds `path`, without following a link:
// QSaveFile writes a link's target, and creates a dangling link's, and
// QFile's rename copies into one when the rename itself fails.
bool holdsAtMostAFile(const QString &path)
{
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) == 0)
        return S_ISREG(status.st_mode);
    return errno == ENOENT;
}

bool replaceMacroFile(const QString &name, const QByteArray &content)
{
    if (!isUsableMacroName(name) || !holdsAtMostAFile(macroFilePath(name)))
        return false;
    QSaveFile file(macroFilePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(content);
    return file.commit();
}

// The names of the plain files in `folder`, links left out, in no order.
// Both pages list the macro folder at every show, and a folder of
// thousands of macros is read in a quarter of the time QDir takes: the
// entries' types come with the listing, where QDir asks for each file's.
QStringList regularFileNames(const QString &folder)
{
    QStringList names;
    DIR *listing = opendir(QFile::encodeName(folder).constData());
    if (!listing)
        return names;
    const int descriptor = dirfd(listing);
    while (const dirent *entry = readdir(listing)) {
        bool regular = entry->d_type == DT_REG;
        struct stat status;
        if (entry->d_type == DT_UNKNOWN && fstatat(descriptor, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0)
            regular = S_ISREG(status.st_mode);
        if (regular)
            names.append(QFile::decodeName(entry->d_name));
    }
    closedir(listing);
    return names;
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
    if (name.trimmed().isEmpty() || name.startsWith(QLatin1Char('.')) || name.contains(QLatin1Char('/'))
        || name.contains(QLatin1Char('\\')) || name.contains(QLatin1String("..")) || name.contains(QLatin1String("xml"))
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
    const QString suffix = QStringLiteral(".ini");
    // Each name with its key: ignoring case, then by case, so that names
    // differing only in case keep one order.
    std::vector<std::pair<QString, QString>> sorted;
    for (const QString &fileName : regularFileNames(macroFolderPath())) {
        const QString name = fileName.chopped(suffix.size());
        if (fileName.endsWith(suffix) && isUsableMacroName(name))
            sorted.emplace_back(name.toLower(), name);
    }
    std::sort(sorted.begin(), sorted.end());
    QStringList names;
    names.reserve(int(sorted.size()));
    for (const auto &entry : sorted)
        names.append(entry.second);
    return names;
}

bool renameMacroFile(const QString &name, const QString &newName)
{
    return isUsableMacroName(name) && isUsableMacroName(newName) && holdsAtMostAFile(macroFilePath(name))
           && holdsAtMostAFile(macroFilePath(newName)) && QFile::rename(macroFilePath(name), macroFilePath(newName));
}

bool buildMacroBlockFromIni(const QString &name, KeyMacro *block, int *repeat)
{
    std::memset(block, 0, sizeof *block);
    MacroText macro;
    if (!g_deviceUiLive || !readMacroFile(name, &macro) || macroStepCount(macro.items) > KeyMacro::MaxSteps)
        return false;
    *block = boundMacroBlock(name, macro.items);
    if (repeat)
        *repeat = macro.repeat;
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
    QFile file;
    if (!isUsableMacroName(name)
        || !openRegularFile(&file, macroFilePath(name), QIODevice::ReadOnly | QIODevice::Text, SymbolicLinks::Refuse))
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
    // Whatever holds the name already keeps it; only a plain file is a macro.
    const QString path = macroFilePath(name);
    if (!isUsableMacroName(name) || !holdsAtMostAFile(path))
        return false;
    return QFile::exists(path) || writeMacroFile(name, {MacroText::usableRepeat(repeat), macroItemsOfBlock(block)});
}
