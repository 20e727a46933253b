#include "keypagebuttons.h"

#include "ui_buttoninterface.h"

namespace {

constexpr int AnyCode = -1;

QAbstractButton *findButton(const QVector<FunctionButton> &buttons, int type, int code)
{
    for (const FunctionButton &entry : buttons) {
        if (entry.type == type && (entry.code == AnyCode || entry.code == code))
            return entry.button;
    }
    return nullptr;
}

} // namespace

QAbstractButton *keyButton(const Ui::Buttoninterface &ui, int key)
{
    const std::array<QAbstractButton *, PageKeyCount> buttons = {ui.FireKey,  ui.RightKey,   ui.BackKey,
                                                                 ui.TopMusic, ui.StartPause, ui.BackMusic};
    return key >= 0 && key < PageKeyCount ? buttons[std::size_t(key)] : nullptr;
}

QVector<FunctionButton> fixedFunctionButtons(const Ui::Buttoninterface &ui)
{
    return {
        {Disabled, AnyCode, ui.DPI_5},
        {MouseButton, 1, ui.LeftKey_3},
        {MouseButton, 2, ui.RightKey_3},
        {MouseButton, 4, ui.MidKey},
        {MouseButton, 8, ui.BackKey_2},
        {MouseButton, 16, ui.ForWardKey},
        {DpiSwitch, 1, ui.VolumeUp_8},
        {DpiSwitch, 2, ui.VolumeUp_9},
        {DpiSwitch, 3, ui.VolumeUp_10},
        {HorizontalScroll, 1, ui.VolumeUp_2},
        {HorizontalScroll, 2, ui.VolumeDown_2},
        {RapidFire, AnyCode, ui.DPI_6},
        {PollingRateSwitch, AnyCode, ui.DPI_2},
        {LightingSwitch, 0, ui.VolumeUp_4},
        {LightingSwitch, 1, ui.VolumeUp_5},
        {LightingSwitch, 3, ui.VolumeUp_6},
        {LightingSwitch, 4, ui.VolumeUp_7},
        {ProfileSwitch, AnyCode, ui.DPI_3},
        {VerticalScroll, 1, ui.VolumeUp_14},
        {VerticalScroll, 2, ui.VolumeDown_14},
    };
}

QAbstractButton *fixedFunctionButton(const Ui::Buttoninterface &ui, int type, int code)
{
    return findButton(fixedFunctionButtons(ui), type, code);
}

QVector<FunctionButton> mediaButtons(const Ui::Buttoninterface &ui)
{
    constexpr BindingType Media = KeySequence;
    return {
        {Media, 0x83, ui.Player},         {Media, 0xCD, ui.StartPause_2},  {Media, 0xB5, ui.BackMusic_2},
        {Media, 0xB6, ui.TopMusic_2},     {Media, 0xB7, ui.Mute},          {Media, 0xE2, ui.VolumeUp},
        {Media, 0xE9, ui.VolumeDown},     {Media, 0xEA, ui.VolumeDown_4},  {Media, 0x8A, ui.VolumeDown_5},
        {Media, 0x92, ui.VolumeDown_6},   {Media, 0x94, ui.VolumeDown_3},  {Media, 0x23, ui.VolumeDown_8},
        {Media, 0x21, ui.VolumeDown_9},   {Media, 0x25, ui.VolumeDown_7},  {Media, 0x24, ui.VolumeDown_10},
        {Media, 0x26, ui.VolumeDown_12},  {Media, 0x27, ui.VolumeDown_13}, {Media, 0x2A, ui.VolumeDown_11},
    };
}

QAbstractButton *mediaButton(const Ui::Buttoninterface &ui, int lowByte)
{
    for (const FunctionButton &entry : mediaButtons(ui)) {
        if (entry.code == lowByte)
            return entry.button;
    }
    return nullptr;
}

QVector<FunctionButton> dpiLockButtons(const Ui::Buttoninterface &ui)
{
    const QVector<QAbstractButton *> buttons = {ui.VolumeUp_11, ui.VolumeUp_12, ui.VolumeUp_13, ui.VolumeUp_16,
                                                ui.VolumeUp_15, ui.VolumeUp_19, ui.VolumeUp_20, ui.VolumeUp_22,
                                                ui.VolumeUp_18, ui.VolumeUp_24, ui.VolumeUp_23, ui.VolumeUp_21};
    QVector<FunctionButton> locks;
    for (int row = 0; row < buttons.size(); ++row)
        locks.append({DpiLock, 100 * (row + 1), buttons[row]});
    return locks;
}

QVector<SubPageOpener> subPageOpeners(const Ui::Buttoninterface &ui)
{
    return {{ui.DPI_11, ui.page_4}, {ui.DPI_12, ui.page_3}, {ui.DPI_13, ui.page_10},
            {ui.DPI_4, ui.page_8},  {ui.DPI_7, ui.page_7},  {ui.DPI_9, ui.page_6}};
}

QVector<QAbstractButton *> badgeButtons(const Ui::Buttoninterface &ui)
{
    return {ui.Number1, ui.Number2, ui.Number3, ui.Number4, ui.Number5, ui.Number6};
}

QVector<QAbstractButton *> categoryButtons(const Ui::Buttoninterface &ui)
{
    return {ui.LeftKey_3, ui.RightKey_3, ui.MidKey, ui.BackKey_2, ui.ForWardKey, ui.DPI_2,
            ui.DPI_3,     ui.DPI_6,      ui.DPI_8,  ui.DPI_5,     ui.DPI_13,     ui.DPI_11,
            ui.DPI_4,     ui.DPI_9,      ui.DPI_7,  ui.DPI_12,    ui.DPI_10};
}

QVector<QAbstractButton *> subPageFunctionButtons(const Ui::Buttoninterface &ui)
{
    QVector<QAbstractButton *> buttons;
    for (const FunctionButton &entry : mediaButtons(ui))
        buttons.append(entry.button);
    buttons += {ui.VolumeUp_4, ui.VolumeUp_5, ui.VolumeUp_6, ui.VolumeUp_7};
    for (const FunctionButton &entry : dpiLockButtons(ui))
        buttons.append(entry.button);
    buttons += {ui.VolumeUp_2, ui.VolumeDown_2, ui.VolumeUp_8, ui.VolumeUp_9, ui.VolumeUp_10, ui.VolumeUp_14,
                ui.VolumeDown_14};
    return buttons;
}

QVector<CaptionPosition> captionPositions(const Ui::Buttoninterface &ui)
{
    QVector<CaptionPosition> positions = {{ui.Reset, 1}, {ui.ImportData, 2}, {ui.OutputData, 3}};
    int position = 4;
    for (const int key : KeysInPageOrder)
        positions.append({keyButton(ui, key), position++});
    const QVector<QAbstractButton *> categories = {ui.LeftKey_3, ui.RightKey_3, ui.MidKey, ui.BackKey_2,
                                                   ui.ForWardKey, ui.DPI_2,     ui.DPI_3,  ui.DPI_6,
                                                   ui.DPI_8,     ui.DPI_5,      ui.DPI_13, ui.DPI_11,
                                                   ui.DPI_10,    ui.DPI_9,      ui.DPI_7,  ui.DPI_12,
                                                   ui.DPI_4};
    for (QAbstractButton *button : categories)
        positions.append({button, position++});
    for (const FunctionButton &entry : mediaButtons(ui))
        positions.append({entry.button, position++});
    for (QAbstractButton *button : {ui.VolumeUp_4, ui.VolumeUp_5, ui.VolumeUp_6, ui.VolumeUp_7})
        positions.append({button, position++});
    // Position 49 is the debounce caption, a label.
    position = 50;
    for (QAbstractButton *button : {ui.VolumeUp_2, ui.VolumeDown_2, ui.VolumeUp_8, ui.VolumeUp_14, ui.VolumeDown_14})
        positions.append({button, position++});
    return positions;
}
