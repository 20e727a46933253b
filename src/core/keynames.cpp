#include "keynames.h"

#include "languagetables.h"

#include <QVector>

#include <algorithm>
#include <iterator>

namespace {

struct NamedCode
{
    QString name;
    int code;
};

constexpr int StepDelay = 10;
constexpr int KeypadEnter = 0x58;

// Names of consecutive usages from `firstCode` on.
void appendRun(QVector<NamedCode> &list, const QStringList &names, int firstCode)
{
    for (const QString &name : names)
        list.append({name, firstCode++});
}

QStringList numbered(const QString &prefix, int first, int last)
{
    QStringList names;
    for (int number = first; number <= last; ++number)
        names.append(prefix + QString::number(number));
    return names;
}

// The key vocabulary with its HID keyboard usages, the empty name last.
const QVector<NamedCode> &keyVocabulary()
{
    static const QVector<NamedCode> keys = [] {
        QVector<NamedCode> list;
        appendRun(list, QString::fromLatin1("ABCDEFGHIJKLMNOPQRSTUVWXYZ").split(QString(), Qt::SkipEmptyParts), 0x04);
        appendRun(list, numbered(QString(), 1, 9) << QStringLiteral("0"), 0x1E);
        appendRun(list, {"Enter", "Esc", "BackSpace", "Tab", "Space", "-", "=", "[", "]", "\\"}, 0x28);
        appendRun(list, {";", "'", "`", ",", ".", "/", "CapsLock"}, 0x33);
        appendRun(list, numbered(QStringLiteral("F"), 1, 12), 0x3A);
        appendRun(list,
                  {"Screen", "Scroll", "Pause", "Insert", "Home", "PgUp", "Del", "End", "PgDn",
                   QString::fromUtf8("→"), QString::fromUtf8("←"), QString::fromUtf8("↓"), QString::fromUtf8("↑"),
                   "NumLock", "Num/", "Num*", "Num-", "Num+"},
                  0x46);
        appendRun(list, numbered(QStringLiteral("Num"), 1, 9) << QStringLiteral("Num0") << QStringLiteral("Num."),
                  0x59);
        list.append({QStringLiteral("APPs"), 0x65});
        list.append({QString(), 0});
        return list;
    }();
    return keys;
}

const QVector<NamedCode> &combinationModifiers()
{
    static const QVector<NamedCode> modifiers = {
        {QStringLiteral("Ctrl"), 0x01}, {QStringLiteral("Shift"), 0x02},
        {QStringLiteral("Alt"), 0x04},  {QStringLiteral("Win"), 0x08},
    };
    return modifiers;
}

const QVector<NamedCode> &sideModifiers()
{
    static const QVector<NamedCode> modifiers = {
        {QStringLiteral("LShift"), 0x02}, {QStringLiteral("RShift"), 0x20}, {QStringLiteral("LCtrl"), 0x01},
        {QStringLiteral("RCtrl"), 0x10},  {QStringLiteral("LWin"), 0x08},   {QStringLiteral("RWin"), 0x80},
        {QStringLiteral("LAlt"), 0x04},   {QStringLiteral("RAlt"), 0x40},
    };
    return modifiers;
}

// The key names of Windows virtual-key codes, as the macro recorder names
// the keys it sees.
const QVector<NamedCode> &virtualKeyNames()
{
    static const QVector<NamedCode> keys = [] {
        QVector<NamedCode> list;
        appendRun(list, QString::fromLatin1("ABCDEFGHIJKLMNOPQRSTUVWXYZ").split(QString(), Qt::SkipEmptyParts), 0x41);
        appendRun(list, numbered(QString(), 0, 9), 0x30);
        appendRun(list, numbered(QStringLiteral("F"), 1, 12), 0x70);
        appendRun(list, numbered(QStringLiteral("Num"), 0, 9) << QStringLiteral("Num*") << QStringLiteral("Num+"), 0x60);
        appendRun(list, {"Num-", "Num.", "Num/"}, 0x6D);
        appendRun(list, {"PgUp", "PgDn", "End", "Home", QString::fromUtf8("←"), QString::fromUtf8("↑"),
                         QString::fromUtf8("→"), QString::fromUtf8("↓")},
                  0x21);
        appendRun(list, {"LShift", "RShift", "LCtrl", "RCtrl", "LAlt", "RAlt"}, 0xA0);
        appendRun(list, {";", "=", ",", "-", ".", "/", "`"}, 0xBA);
        appendRun(list, {"[", "\\", "]", "'"}, 0xDB);
        appendRun(list, {"LWin", "RWin", "APPs"}, 0x5B);
        appendRun(list, {"Screen", "Insert", "Del"}, 0x2C);
        const NamedCode singles[] = {{"BackSpace", 0x08}, {"Tab", 0x09}, {QString(), 0x0C}, {"Enter", 0x0D},
                                     {"Pause", 0x13},     {"CapsLock", 0x14}, {"Esc", 0x1B},  {"Space", 0x20},
                                     {"NumLock", 0x90},   {"Scroll", 0x91}};
        for (const NamedCode &single : singles)
            list.append(single);
        return list;
    }();
    return keys;
}

// The mouse buttons in the order of the editor's language texts (left,
// right, middle, forward, back) with their bits, and the first of those
// texts in the editor's section.
const int MouseButtonBits[MouseButtonCount] = {0x01, 0x02, 0x04, 0x10, 0x08};
constexpr int FirstMouseButtonText = 18;

QString mouseButtonText(int button, int language)
{
    return languageText(LanguageSection::Macro, language, FirstMouseButtonText + button);
}

// A button named in the current language or, for names saved before the
// language changed, in any other.
int mouseButtonOfName(const QString &name)
{
    if (name.isEmpty())
        return -1;
    QVector<int> languages{currentLanguageIndex};
    for (int language = 0; language < loadedLanguageCount(); ++language)
        languages.append(language);
    for (const int language : languages) {
        for (int button = 0; button < MouseButtonCount; ++button) {
            if (mouseButtonText(button, language) == name)
                return button;
        }
    }
    return -1;
}

const NamedCode *findName(const QVector<NamedCode> &table, const QString &name,
                          Qt::CaseSensitivity sensitivity = Qt::CaseSensitive)
{
    for (const NamedCode &row : table) {
        if (row.name.compare(name, sensitivity) == 0)
            return &row;
    }
    return nullptr;
}

const NamedCode *findCode(const QVector<NamedCode> &table, int code)
{
    for (const NamedCode &row : table) {
        if (row.code == code)
            return &row;
    }
    return nullptr;
}

QString nameOf(const QVector<NamedCode> &table, int code)
{
    const NamedCode *row = findCode(table, code);
    return row ? row->name : QString();
}

// Table A folds a right-side modifier bit onto the name of its left side.
QString modifierName(int bit)
{
    return nameOf(combinationModifiers(), (bit | bit >> 4) & 0x0F);
}

} // namespace

QStringList splitKeyCombination(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('+'));
    QStringList names;
    for (int index = 0; index < parts.size(); ++index) {
        const QString withPlus = parts[index] + QLatin1Char('+');
        const bool endsInPlus = index + 1 < parts.size() && parts[index + 1].isEmpty()
                                && findName(keyVocabulary(), withPlus, Qt::CaseInsensitive);
        names.append(endsInPlus ? withPlus : parts[index]);
        if (endsInPlus)
            ++index;
    }
    return names;
}

std::optional<QString> spelledKeyCombination(const QString &text)
{
    QStringList names;
    for (const QString &typed : splitKeyCombination(text)) {
        const NamedCode *row = findName(combinationModifiers(), typed, Qt::CaseInsensitive);
        if (!row)
            row = findName(keyVocabulary(), typed, Qt::CaseInsensitive);
        if (!row || row->name.isEmpty())
            return std::nullopt;
        names.append(row->name);
    }
    return names.join(QLatin1Char('+'));
}

QString combinationKeyName(int virtualKey)
{
    const NamedCode *row = findCode(virtualKeyNames(), virtualKey);
    return row && !findName(sideModifiers(), row->name) ? row->name : QString();
}

QString KeyUsageName(int code, int kind)
{
    switch (code) {
    case 0x04:
    case 0x08:
    case 0x20:
    case 0x40:
        // Both a key and a modifier bit: the kind decides.
        if (kind == KeyStep::Modifier)
            return modifierName(code);
        return kind == KeyStep::Key ? nameOf(keyVocabulary(), code) : QString();
    case 0x01:
    case 0x02:
    case 0x80:
        return modifierName(code);
    case KeypadEnter:
        return nameOf(keyVocabulary(), 0x28);
    default:
        return nameOf(keyVocabulary(), code);
    }
}

KeyData KeyStepPairFromName(const QString &name, int position, int count, KeyData block)
{
    const NamedCode *modifier = findName(combinationModifiers(), name);
    const NamedCode *key = modifier ? nullptr : findName(keyVocabulary(), name);
    const int steps[] = {position, 2 * count - 1 - position};
    for (int half = 0; half < 2; ++half) {
        if (steps[half] < 0 || steps[half] >= KeyData::MaxSteps)
            continue;
        KeyStep &step = block.steps[steps[half]];
        step.action = half == 0 ? KeyStep::Press : KeyStep::Release;
        step.kind = modifier ? KeyStep::Modifier : KeyStep::Key;
        if (modifier || key)
            step.setCode(std::uint16_t((modifier ? modifier : key)->code));
        step.setDelay(StepDelay);
    }
    return block;
}

KeyData KeyDataFromCombination(const QString &text)
{
    const QStringList names = splitKeyCombination(text).mid(0, KeyData::MaxSteps / 2);
    KeyData data = {};
    for (int index = 0; index < names.size(); ++index)
        data = KeyStepPairFromName(names[index], index, names.size(), data);
    data.stepCountByte = std::uint8_t(2 * names.size());
    return data;
}

QString keySequenceCaption(const KeyData &data)
{
    QStringList names;
    for (int index = 0; index < data.stepCount() / 2; ++index)
        names.append(KeyUsageName(data.steps[index].code() & 0xFF, data.steps[index].kind));
    return names.join(QLatin1Char('+'));
}

int mouseButtonCode(int button)
{
    return button >= 0 && button < MouseButtonCount ? MouseButtonBits[button] : 0;
}

QString mouseButtonName(int code)
{
    const int *bit = std::find(std::begin(MouseButtonBits), std::end(MouseButtonBits), code);
    return bit == std::end(MouseButtonBits) ? QString() : mouseButtonText(int(bit - MouseButtonBits), currentLanguageIndex);
}

QString keyNameFromCode(int code, int kind)
{
    const NamedCode *modifier = findCode(sideModifiers(), code);
    const NamedCode *key = findCode(keyVocabulary(), code == KeypadEnter ? 0x28 : code);
    if (modifier && (kind == KeyStep::Modifier || !key))
        return modifier->name;
    // F7 shares its usage with RAlt's bit, but is the only name 0x40 has
    // for kinds other than a modifier.
    if (modifier && kind != KeyStep::Key && code != 0x40)
        return QString();
    return key ? key->name : QString();
}

QString macroKeyName(int kind, int code)
{
    return kind == KeyStep::MouseButton ? mouseButtonName(code) : keyNameFromCode(code, kind);
}

std::optional<MacroKey> macroKeyOfName(const QString &name)
{
    if (const NamedCode *modifier = findName(sideModifiers(), name))
        return MacroKey{KeyStep::Modifier, modifier->code};
    if (const NamedCode *key = findName(keyVocabulary(), name))
        return MacroKey{KeyStep::Key, key->code};
    const int button = mouseButtonOfName(name);
    if (button >= 0)
        return MacroKey{KeyStep::MouseButton, MouseButtonBits[button]};
    return std::nullopt;
}

std::optional<MacroKey> macroKeyOfVirtualKey(int virtualKey)
{
    const NamedCode *row = findCode(virtualKeyNames(), virtualKey);
    return row ? macroKeyOfName(row->name) : std::nullopt;
}

QString macroCodeText(int code)
{
    return QStringLiteral("0x") + QString::number(code, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

int macroCodeOfText(const QString &codeText)
{
    if (codeText.size() != 4 || !codeText.startsWith(QLatin1String("0x")))
        return -1;
    int code = 0;
    for (const QChar digit : codeText.mid(2)) {
        const int value = QStringLiteral("0123456789ABCDEF").indexOf(digit);
        if (value < 0)
            return -1;
        code = code * 16 + value;
    }
    return code;
}

bool isMacroKey(int kind, int code)
{
    switch (kind) {
    case KeyStep::Key:
        return findCode(keyVocabulary(), code);
    case KeyStep::Modifier:
        return findCode(sideModifiers(), code);
    case KeyStep::MouseButton:
        return std::find(std::begin(MouseButtonBits), std::end(MouseButtonBits), code) != std::end(MouseButtonBits);
    default:
        return false;
    }
}

QString hidUsageToKeyName(const QString &codeText, int kind)
{
    const int code = macroCodeOfText(codeText);
    return isMacroKey(kind, code) ? macroKeyName(kind, code) : QString();
}
