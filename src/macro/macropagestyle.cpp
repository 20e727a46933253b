#include "macropagestyle.h"

#include "appinfo.h"
#include "configinistore.h"

namespace MacroPageStyle {

QString pictureFolder()
{
    return programFolderPath() + QStringLiteral("/Picture/Macro/");
}

QString page()
{
    return QStringLiteral("QScrollArea{background-color: transparent;}"
                          "QScrollArea > QWidget > QWidget{background-color: transparent;}"
                          "QScrollBar:vertical{width: 13px; background: rgb(30,30,30); margin: 0px; border: none;}"
                          "QScrollBar::handle:vertical{background: rgb(117,117,117); border-radius: 3px;"
                          " min-height: 30px;}");
}

QString list()
{
    return QStringLiteral(
               "QListWidget{background-color: rgb(0,0,0); color: rgb(255,255,255); outline: 0px;"
               " border: none; border-radius: 5px;}"
               "#listWidgetHong::item:selected, #listWidgetHong::item:selected:!active"
               "{background: #ef3240; color: rgb(255,255,255);}"
               "#listWidgetHong::item:hover{background: transparent;}"
               "QScrollBar:vertical{width: 20px; background: rgb(30,30,30); margin: 22px 0px 22px 0px;}"
               "QScrollBar::handle:vertical{background: rgb(117,117,117); border-radius: 3px;"
               " min-height: 30px; margin: 2px 4px 2px 6px;}"
               "QScrollBar::sub-line:vertical{height: 25px; subcontrol-position: top; subcontrol-origin: margin;}"
               "QScrollBar::add-line:vertical{height: 25px; subcontrol-position: bottom; subcontrol-origin: margin;}"
               "QScrollBar::up-arrow:vertical{width: 15px; height: 15px; border-image: url(%1Up.png);}"
               "QScrollBar::down-arrow:vertical{width: 15px; height: 15px; border-image: url(%1Down.png);}"
               "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: none;}")
        .arg(pictureFolder());
}

QString checkBox()
{
    return QStringLiteral("QCheckBox{color: rgb(%1;);}QCheckBox:indicator::checked {image: url(%2CheckBoxCheck.png);}"
                          "QCheckBox::indicator::unchecked {image: url(%2CheckBox.png);}")
        .arg(optionColour("LabelColor"), pictureFolder());
}

QString activeButton()
{
    return QStringLiteral("QToolButton{border:0px;background-position:center;background-repeat:no-repeat;"
                          "color: rgb(%1;);background-image: url(%2Button.png);}"
                          "QToolButton:hover{background-image: url(%2ButtonHover.png); }"
                          "QToolButton:pressed{background-image: url(%2ButtonClick.png); }")
        .arg(optionColour("ButtonColor"), pictureFolder());
}

QString inactiveButton()
{
    return QStringLiteral("QToolButton{border:0px;background-position:center;background-repeat:no-repeat;"
                          "color: rgb(127,127,127);background-image: url(%1Button.png);}")
        .arg(pictureFolder());
}

QString recordButton(bool stop)
{
    const char *picture = stop ? "Stop.png" : "Record.png";
    const char *hoverPicture = stop ? "StopHover.png" : "RecordHover.png";
    return QStringLiteral("QPushButton{border:0px;background-position:center;background-repeat:no-repeat;"
                          "color: rgb(0,0,0);background-image: url(%1%2);}"
                          "QPushButton:hover{background-image: url(%1%3); }")
        .arg(pictureFolder(), QLatin1String(picture), QLatin1String(hoverPicture));
}

QString numberField()
{
    return QStringLiteral("QSpinBox{background-color: rgb(0, 0, 0);color: rgb(%1;);border: none;}")
        .arg(optionColour("LinEditColorSecond"));
}

} // namespace MacroPageStyle
