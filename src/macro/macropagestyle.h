#pragma once

#include <QString>

// The macro page's looks, built from the pictures of the program folder's
// "Picture/Macro/" and the Option colours of Config.ini.
namespace MacroPageStyle {

QString pictureFolder();

// The page's frame: see-through scroll areas and a dark scroll bar.
QString page();

// Both lists: white on black with rounded corners and a dark scroll bar. Only
// the macro list marks its chosen entry, with a red bar.
QString list();

// A check box in the label colour with the "CheckBox.png" indicators.
QString checkBox();

// The page's text buttons in the button colour, and Save while it has
// nothing to save.
QString activeButton();
QString inactiveButton();

// The start or the stop button of a recording.
QString recordButton(bool stop);

// The two number fields: black, without border, in the second input colour.
QString numberField();

} // namespace MacroPageStyle
