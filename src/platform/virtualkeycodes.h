#pragma once

class QKeyEvent;

// The windows that capture the keyboard name keys by Windows virtual-key
// codes, the codes their key tables are written in.

// What a platform puts into a key event's native codes.
enum class NativeKeyCodes {
    Unknown,
    // XKB (xcb, wayland): the virtual key is the keysym, the scan code the
    // keycode, whose number says where the key sits on the keyboard.
    Xkb,
};

NativeKeyCodes nativeKeyCodesOfPlatform();

// Given to every key the tables do not know (media keys, keys of other
// scripts without a position), so that it still reaches the windows without
// passing for a named key. Windows assigns no key to this code.
constexpr int unnamedVirtualKey = 0xFF;

// The code a Windows keyboard would give for the key of `event`: keypad keys
// by the keypad modifier, a symbol by the US key that carries it (Shift+1 is
// the 1 key), left and right modifiers by the native keysym where the
// platform gives one and as the left key where it does not.
int windowsVirtualKey(const QKeyEvent &event, NativeKeyCodes native);
