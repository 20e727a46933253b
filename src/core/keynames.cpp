#include "keynames.h"

#include <QVector>

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

const int MouseButtonBits[] = {0x01, 0x02, 0x04, 0x08, 0x10};

QStringList &mouseButtonNames()
{
    static QStringList names;
    return names;
}

const NamedCode *findName(const QVector<NamedCode> &table, const QString &name)
{
    for (const NamedCode &row : table) {
        if (row.name == name)
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

// The code of a macro file's code text: "0x" and two upper-case hexadecimal
// digits, nothing else; -1 for any other text.
int fileCode(const QString &codeText)
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

} // namespace

QStringList splitKeyCombination(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('+'));
    QStringList names;
    for (int index = 0; index < parts.size(); ++index) {
        const QString withPlus = parts[index] + QLatin1Char('+');
        const bool endsInPlus = index + 1 < parts.size() && parts[index + 1].isEmpty()
                                && findName(keyVocabulary(), withPlus);
        names.append(endsInPlus ? withPlus : parts[index]);
        if (endsInPlus)
            ++index;
    }
    return names;
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

void setMouseButtonNames(const QStringList &names)
{
    mouseButtonNames() = names;
}

void MacroStepFromKeyName(const QString &name, int step, KeyMacro &block)
{
    if (step >= 0 && step < KeyMacro::MaxSteps)
        setMacroStepKey(block.steps[step], name);
}

void setMacroStepKey(KeyStep &step, const QString &name)
{
    if (const NamedCode *modifier = findName(sideModifiers(), name)) {
        step.kind = KeyStep::Modifier;
        step.setCode(std::uint16_t(modifier->code));
    } else if (const NamedCode *key = findName(keyVocabulary(), name)) {
        step.kind = KeyStep::Key;
        step.setCode(std::uint16_t(key->code));
    } else if (const int button = mouseButtonNames().indexOf(name); button >= 0 && button < 5) {
        step.kind = KeyStep::MouseButton;
        step.setCode(std::uint16_t(MouseButtonBits[button]));
    } else {
        step.kind = KeyStep::Key;
    }
}

QString hidUsageToKeyName(const QString &codeText, int kind)
{
    const int code = fileCode(codeText);
    switch (kind) {
    case KeyStep::Key:
        return nameOf(keyVocabulary(), code);
    case KeyStep::Modifier:
        return nameOf(sideModifiers(), code);
    case KeyStep::MouseButton:
        for (int button = 0; button < 5; ++button) {
            if (MouseButtonBits[button] == code)
                return mouseButtonNames().value(button);
        }
        return QString();
    default:
        return QString();
    }
}
