#include "virtualkeycodes.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <cstring>

namespace {

struct KeyRow
{
    int qtKey;
    int virtualKey;
};

// Keys with one code, on the keypad or off it: without NumLock the keypad
// gives the navigation keys, and its Enter is Enter.
const KeyRow fixedKeys[] = {
    {Qt::Key_Backspace, 0x08},  {Qt::Key_Tab, 0x09},      {Qt::Key_Backtab, 0x09},
    {Qt::Key_Clear, 0x0C},      {Qt::Key_Return, 0x0D},   {Qt::Key_Enter, 0x0D},
    {Qt::Key_Pause, 0x13},      {Qt::Key_CapsLock, 0x14}, {Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, 0x20},      {Qt::Key_PageUp, 0x21},   {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},        {Qt::Key_Home, 0x24},     {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},         {Qt::Key_Right, 0x27},    {Qt::Key_Down, 0x28},
    {Qt::Key_Print, 0x2C},      {Qt::Key_SysReq, 0x2C},   {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, 0x2E},     {Qt::Key_Super_L, 0x5B},  {Qt::Key_Super_R, 0x5C},
    {Qt::Key_Menu, 0x5D},       {Qt::Key_NumLock, 0x90},  {Qt::Key_ScrollLock, 0x91},
    {Qt::Key_AltGr, 0xA5},
};

// Either symbol of a main-block key names that key, as on a US keyboard.
const KeyRow mainBlockSymbols[] = {
    {Qt::Key_Semicolon, 0xBA},  {Qt::Key_Colon, 0xBA},      {Qt::Key_Equal, 0xBB},
    {Qt::Key_Plus, 0xBB},       {Qt::Key_Comma, 0xBC},      {Qt::Key_Less, 0xBC},
    {Qt::Key_Minus, 0xBD},      {Qt::Key_Underscore, 0xBD}, {Qt::Key_Period, 0xBE},
    {Qt::Key_Greater, 0xBE},    {Qt::Key_Slash, 0xBF},      {Qt::Key_Question, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0},  {Qt::Key_AsciiTilde, 0xC0}, {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BraceLeft, 0xDB},  {Qt::Key_Backslash, 0xDC},  {Qt::Key_Bar, 0xDC},
    {Qt::Key_BracketRight, 0xDD}, {Qt::Key_BraceRight, 0xDD}, {Qt::Key_Apostrophe, 0xDE},
    {Qt::Key_QuoteDbl, 0xDE},   {Qt::Key_Exclam, '1'},      {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},  {Qt::Key_Dollar, '4'},      {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'},   {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},   {Qt::Key_ParenRight, '0'},
};

const KeyRow keypadSymbols[] = {
    {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},  {Qt::Key_Minus, 0x6D},
    {Qt::Key_Period, 0x6E},   {Qt::Key_Comma, 0x6E}, {Qt::Key_Slash, 0x6F},
};

struct SidedKey
{
    int qtKey;
    unsigned rightKeysym;
    int left;
    int right;
};

const SidedKey sidedKeys[] = {
    {Qt::Key_Shift, 0xffe2, 0xA0, 0xA1},
    {Qt::Key_Control, 0xffe4, 0xA2, 0xA3},
    {Qt::Key_Alt, 0xffea, 0xA4, 0xA5},
    {Qt::Key_Meta, 0xffe8, 0x5B, 0x5C},
};

// What the US layout puts at the XKB keycodes of the main block, row by row.
struct KeycodeRow
{
    unsigned firstKeycode;
    const char *keys;
};

const KeycodeRow usMainBlock[] = {
    {10, "1234567890-="},
    {24, "QWERTYUIOP[]"},
    {38, "ASDFGHJKL;'`"},
    {51, "\\ZXCVBNM,./"},
};

constexpr unsigned firstDigitKeycode = 10;
constexpr unsigned lastDigitKeycode = 19;

template<std::size_t N>
int lookUp(const KeyRow (&rows)[N], int qtKey)
{
    for (const KeyRow &row : rows) {
        if (row.qtKey == qtKey)
            return row.virtualKey;
    }
    return 0;
}

int sidedVirtualKey(const QKeyEvent &event, NativeKeyCodes native)
{
    for (const SidedKey &key : sidedKeys) {
        if (key.qtKey != event.key())
            continue;
        const bool right = native == NativeKeyCodes::Xkb && event.nativeVirtualKey() == key.rightKeysym;
        return right ? key.right : key.left;
    }
    return 0;
}

int keypadVirtualKey(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 0x60 + (qtKey - Qt::Key_0);
    return lookUp(keypadSymbols, qtKey);
}

int mainBlockVirtualKey(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    return lookUp(mainBlockSymbols, qtKey);
}

int virtualKeyAtKeycode(unsigned keycode)
{
    for (const KeycodeRow &row : usMainBlock) {
        const unsigned length = unsigned(std::strlen(row.keys));
        if (keycode >= row.firstKeycode && keycode < row.firstKeycode + length)
            return mainBlockVirtualKey(row.keys[keycode - row.firstKeycode]);
    }
    return 0;
}

int virtualKeyOfQtKey(const QKeyEvent &event, NativeKeyCodes native)
{
    const int key = event.key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return 0x70 + (key - Qt::Key_F1);
    if (const int fixed = lookUp(fixedKeys, key))
        return fixed;
    if (const int sided = sidedVirtualKey(event, native))
        return sided;
    if (event.modifiers() & Qt::KeypadModifier)
        return keypadVirtualKey(key);
    return mainBlockVirtualKey(key);
}

} // namespace

NativeKeyCodes nativeKeyCodesOfPlatform()
{
    const QString platform = QGuiApplication::platformName();
    const bool xkb = platform == QLatin1String("xcb") || platform == QLatin1String("wayland");
    return xkb ? NativeKeyCodes::Xkb : NativeKeyCodes::Unknown;
}

int windowsVirtualKey(const QKeyEvent &event, NativeKeyCodes native)
{
    const unsigned keycode = event.nativeScanCode();
    const bool xkb = native == NativeKeyCodes::Xkb;
    // The digit row gives digits under every layout, whatever its symbols
    // (AZERTY's "&", Russian Shift+4's ";").
    if (xkb && keycode >= firstDigitKeycode && keycode <= lastDigitKeycode)
        return virtualKeyAtKeycode(keycode);
    if (const int virtualKey = virtualKeyOfQtKey(event, native))
        return virtualKey;
    // A letter of another script names the key by where it sits, as Windows
    // does under a Cyrillic layout.
    if (xkb) {
        if (const int virtualKey = virtualKeyAtKeycode(keycode))
            return virtualKey;
    }
    return unnamedVirtualKey;
}
