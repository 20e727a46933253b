#pragma once

#include "bindingtype.h"

#include <QVector>

#include <array>

class QAbstractButton;
class QWidget;

namespace Ui {
class Buttoninterface;
}

// Where the key page's form shows what: the key button of each device key,
// the function button whose caption names each binding, and the language
// positions of the captions. Handlers find buttons here rather than by
// their object names, which do not follow their captions.

// Device keys in the order their buttons stand on the page: the fourth
// button is key 4, the fifth key 3.
constexpr std::array<int, PageKeyCount> KeysInPageOrder = {0, 1, 2, 4, 3, 5};

// The key button of device key 0 to 5.
QAbstractButton *keyButton(const Ui::Buttoninterface &ui, int key);

// A binding that one function button names: its type, and its code (-1: any).
struct FunctionButton
{
    int type;
    int code;
    QAbstractButton *button;
};

// The bindings without payload that a button's caption names: the mouse
// buttons, disabled, rapid fire, DPI switching, scrolling, lighting,
// polling-rate and configuration switches.
QVector<FunctionButton> fixedFunctionButtons(const Ui::Buttoninterface &ui);
// The button of a fixed binding; null for other types and unknown codes.
QAbstractButton *fixedFunctionButton(const Ui::Buttoninterface &ui, int type, int code);

// The media buttons in list order, each with the low byte of its consumer
// usage as its code.
QVector<FunctionButton> mediaButtons(const Ui::Buttoninterface &ui);
QAbstractButton *mediaButton(const Ui::Buttoninterface &ui, int lowByte);

// The DPI-lock buttons in list order, each with the DPI it locks as its code.
QVector<FunctionButton> dpiLockButtons(const Ui::Buttoninterface &ui);

// A category button that only opens a page of function buttons.
struct SubPageOpener
{
    QAbstractButton *category;
    QWidget *page;
};
QVector<SubPageOpener> subPageOpeners(const Ui::Buttoninterface &ui);

// The number badges on the mouse picture, in the order of the key buttons.
QVector<QAbstractButton *> badgeButtons(const Ui::Buttoninterface &ui);

// The seventeen category buttons, and the function buttons of the sub-pages.
QVector<QAbstractButton *> categoryButtons(const Ui::Buttoninterface &ui);
QVector<QAbstractButton *> subPageFunctionButtons(const Ui::Buttoninterface &ui);

// A caption the page's language row replaces, by its position.
struct CaptionPosition
{
    QAbstractButton *button;
    int position;
};
QVector<CaptionPosition> captionPositions(const Ui::Buttoninterface &ui);
