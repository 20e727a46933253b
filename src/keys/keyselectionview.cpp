#include "keyselectionview.h"

#include "bindingtype.h"
#include "keypagebuttons.h"
#include "ui_buttoninterface.h"

#include <algorithm>

namespace {

// A binding type, the page its function buttons are on and the category
// button that opens that page, with the category's row in the list. A type
// without a category is bound by a button of the category list itself,
// which is checked and shown in its place.
struct TypeView
{
    int type;
    QWidget *page;
    QAbstractButton *category;
    int categoryRow;
};

QVector<TypeView> typeViews(const Ui::Buttoninterface &ui)
{
    return {
        {Disabled, ui.page_9, nullptr, 0},
        {MouseButton, ui.page_9, nullptr, 0},
        {DpiSwitch, ui.page_7, ui.DPI_7, 13},
        {HorizontalScroll, ui.page_4, ui.DPI_11, 10},
        {RapidFire, ui.page_9, nullptr, 0},
        {KeySequence, ui.page_9, ui.DPI_8, 8},
        {MacroBinding, ui.page_5, ui.DPI_10, 15},
        {PollingRateSwitch, ui.page_9, nullptr, 0},
        {LightingSwitch, ui.page_6, ui.DPI_9, 12},
        {ProfileSwitch, ui.page_9, nullptr, 0},
        {DpiLock, ui.page_8, ui.DPI_4, 15},
        {VerticalScroll, ui.page_10, ui.DPI_13, 10},
    };
}

constexpr int MediaCategoryRow = 16;

// The row of a button in a list, 0 when it is not there.
int rowOf(const QVector<FunctionButton> &list, const QAbstractButton *button)
{
    const auto found = std::find_if(list.cbegin(), list.cend(),
                                    [button](const FunctionButton &entry) { return entry.button == button; });
    return found == list.cend() ? 0 : int(found - list.cbegin());
}

QAbstractButton *buttonWithCode(const QVector<FunctionButton> &list, int code)
{
    for (const FunctionButton &entry : list) {
        if (entry.code == code)
            return entry.button;
    }
    return nullptr;
}

} // namespace

KeySelectionView keySelectionView(const Ui::Buttoninterface &ui, const QVector<QToolButton *> &macroButtons,
                                  const QString &macroCaptionPrefix, const ShownBinding &binding)
{
    KeySelectionView view;
    const QVector<TypeView> types = typeViews(ui);
    const auto type = std::find_if(types.cbegin(), types.cend(),
                                   [&binding](const TypeView &entry) { return entry.type == binding.type; });
    if (type == types.cend()) {
        view.scrolls = {{ui.scrollArea_4, 0}, {ui.scrollArea_10, 0}};
        return view;
    }
    view.page = type->page;
    view.category = type->category;
    int categoryRow = type->categoryRow;
    QAbstractButton *own = fixedFunctionButton(ui, binding.type, binding.code);
    if (type->category)
        view.function = own;
    else {
        view.category = own;
        categoryRow = std::max(0, int(categoryButtons(ui).indexOf(own)));
    }

    QAbstractButton *media = binding.type == KeySequence ? mediaButton(ui, binding.consumerLowByte) : nullptr;
    if (media) {
        view.page = ui.page_3;
        view.category = ui.DPI_12;
        view.function = media;
        categoryRow = MediaCategoryRow;
    }
    view.scrolls.append({ui.scrollArea_4, categoryRow});
    if (binding.type == KeySequence) {
        view.scrolls.append({ui.scrollArea_3, rowOf(mediaButtons(ui), media)});
        return view;
    }
    if (binding.type == DpiLock)
        view.function = buttonWithCode(dpiLockButtons(ui), binding.lockedDpi);
    view.scrolls.append({ui.scrollArea_10, rowOf(dpiLockButtons(ui), view.function)});
    if (binding.type == MacroBinding) {
        for (int index = 0; index < macroButtons.size(); ++index) {
            QToolButton *button = macroButtons[index];
            if (button->isEnabled() && macroCaptionPrefix + button->text() == binding.caption) {
                view.function = button;
                // One row past the button, as the list has always scrolled.
                view.scrolls.append({ui.scrollArea_7, index + 1});
            }
        }
    }
    return view;
}
