#pragma once

#include "flashdatamap.h"

#include <array>

// What a key entry of the record ({type, code, param}, `KeyFunction`) binds
// its key to, by its type byte. The code picks the function of the kind.
enum BindingType {
    Disabled = 0,
    // Code: the button's bit, 1 left, 2 right, 4 middle, 8 back, 16 forward.
    MouseButton = 1,
    // Code: 1 cycles, 2 up, 3 down.
    DpiSwitch = 2,
    HorizontalScroll = 3,
    // Code and param: the rapid-fire dialog's two values.
    RapidFire = 4,
    // A media function or a key combination, in the key's payload.
    KeySequence = 5,
    // Code: the key; param: the macro's repeat mode; the macro's steps in
    // the key's macro body.
    MacroBinding = 6,
    PollingRateSwitch = 7,
    LightingSwitch = 8,
    ProfileSwitch = 9,
    // Code: the DPI's code for the mouse's sensor (`DpiCodeForValue`).
    DpiLock = 10,
    VerticalScroll = 11,
};

// The mouse's programmable keys, device keys 0 to 5; the record keeps
// entries for more keys than the mouse has.
constexpr int PageKeyCount = 6;
static_assert(PageKeyCount <= FlashDataMap::KeyCount, "every key has its entries in the record");

struct DefaultBinding
{
    BindingType type;
    int code;
};

// What each key does as the mouse leaves the factory, by device key: the
// five mouse buttons, then DPI cycling.
constexpr std::array<DefaultBinding, PageKeyCount> MouseDefaults = {{
    {MouseButton, 1},
    {MouseButton, 2},
    {MouseButton, 4},
    {MouseButton, 8},
    {MouseButton, 16},
    {DpiSwitch, 1},
}};
