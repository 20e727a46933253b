#include "panelstyle.h"

#include "appinfo.h"
#include "configinistore.h"

namespace {

QString comboBoxWithList(const QString &pictureFolder, const QString &listLook)
{
    return QStringLiteral("QComboBox{border: 1px solid gray; color: rgb(%1); border-image: url(%2ComboboxBack.png);}"
                          "QComboBox::drop-down:button{border-radius:5px; background:rgb(%3);}"
                          " QComboBox::down-arrow{image: url(%2Menu.png); right: 8px; }"
                          "QComboBox::down-arrow:on{ image: url(%2MenuClicked.png);}"
                          "QComboBox QAbstractItemView::item{height:25px;}"
                          "QComboBox QAbstractItemView {outline: 0px solid gray; %5"
                          "color: rgb(%1);selection-background-color: rgb(%4); }")
        .arg(optionColour("ComboxTextColor"), pictureFolder, optionColour("ComboxBackGroundColor"),
             optionColour("ComboxSelectColor"), listLook);
}

} // namespace

namespace PanelStyle {

QString sensorPictureFolder()
{
    return programFolderPath() + QStringLiteral("/Picture/Sensor/");
}

QString comboBox(const QString &pictureFolder)
{
    return comboBoxWithList(pictureFolder, QStringLiteral("border: 1px  solid gray;background-color: rgb(0,0,0);"));
}

QString comboBoxOnListPicture(const QString &pictureFolder)
{
    return comboBoxWithList(pictureFolder,
                            QStringLiteral("border: 0px;border-image: url(%1ComboboxTextBack.png);").arg(pictureFolder));
}

QString titleLabel()
{
    return QStringLiteral("QLabel{color: rgb(%1;);}").arg(optionColour("LabelColor"));
}

QString checkBox(const QString &pictureFolder)
{
    return QStringLiteral("QCheckBox{color: rgb(%1;);}QCheckBox:indicator::checked {image: url(%2LODCheck.png);}"
                          "QCheckBox::indicator::unchecked {image: url(%2LOD.png);}")
        .arg(optionColour("LabelColor"), pictureFolder);
}

QString slider(const QString &pictureFolder, const QString &grooveColour)
{
    return QStringLiteral("QSlider::groove:horizontal { border-radius: 2px;  height: 5px;background:rgb(%3)}"
                          "QSlider:handle:horizontal{ border-radius: 2px;width:  6px;height: 18px;  margin-top: -9px;"
                          "margin-left: 0px; margin-bottom: -9px;margin-right: 0px; border-image: url(%1HuaKuai.png);}"
                          " QSlider:sub-page:horizontal{border-radius: 2px;background-color: rgb(%2;);}"
                          "QSlider:add-page:horizontal{border-radius: 2px;background-color: rgb(%3);}")
        .arg(pictureFolder, optionColour("SliderColor"), grooveColour);
}

QString valueBox(const QString &colourKey)
{
    return QStringLiteral("QSpinBox{background-color: transparent;color: rgb(%1;);border: 0px;}")
        .arg(ConfigIniStore::instance()->colourText(colourKey));
}

QString framedValueBox(const QString &background)
{
    return QStringLiteral("QSpinBox{background-color: %1;color: rgb(%2;);border: 1px  solid gray;}"
                          "QSpinBox:hover{background-color: transparent;color: rgb(%2;);border: 1px  solid gray;}")
        .arg(background, optionColour("LinEditColorSecond"));
}

} // namespace PanelStyle
