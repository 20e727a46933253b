#include "panelstyle.h"

#include "appinfo.h"
#include "configinistore.h"

#include <QComboBox>
#include <QListView>

namespace {

QString colour(const char *key)
{
    return ConfigIniStore::instance()->colourText(QLatin1String(key));
}

} // namespace

namespace PanelStyle {

QString sensorPictureFolder()
{
    return programFolderPath() + QStringLiteral("/Picture/Sensor/");
}

QString titleLabel()
{
    return QStringLiteral("QLabel{color: rgb(%1;);}").arg(colour("LabelColor"));
}

QString comboBox(const QString &pictureFolder)
{
    return QStringLiteral("QComboBox{border: 1px solid gray; color: rgb(%1); border-image: url(%2ComboboxBack.png);}"
                          "QComboBox::drop-down:button{border-radius:5px; background:rgb(%3);}"
                          " QComboBox::down-arrow{image: url(%2Menu.png); right: 8px; }"
                          "QComboBox::down-arrow:on{ image: url(%2MenuClicked.png);}"
                          "QComboBox QAbstractItemView::item{height:25px;}"
                          "QComboBox QAbstractItemView {outline: 0px solid gray; border: 1px  solid gray;"
                          "color: rgb(%1);background-color: rgb(0,0,0);selection-background-color: rgb(%4); }")
        .arg(colour("ComboxTextColor"), pictureFolder, colour("ComboxBackGroundColor"),
             colour("ComboxSelectColor"));
}

void useSelectionColouredView(QComboBox *list)
{
    auto *view = new QListView(list);
    view->setStyleSheet(QStringLiteral("QListView::item:selected{background-color: rgb(%1);}"
                                       "QListView::item:hover{background-color: rgb(%1);}")
                            .arg(colour("ComboxSelectColor")));
    list->setView(view);
}

QString checkBox(const QString &pictureFolder)
{
    return QStringLiteral("QCheckBox{color: rgb(%1;);}QCheckBox:indicator::checked {image: url(%2LODCheck.png);}"
                          "QCheckBox::indicator::unchecked {image: url(%2LOD.png);}")
        .arg(colour("LabelColor"), pictureFolder);
}

QString slider(const QString &pictureFolder, const QString &grooveColour)
{
    return QStringLiteral("QSlider::groove:horizontal { border-radius: 2px;  height: 5px;background:rgb(%3)}"
                          "QSlider:handle:horizontal{ border-radius: 2px;width:  6px;height: 18px;  margin-top: -9px;"
                          "margin-left: 0px; margin-bottom: -9px;margin-right: 0px; border-image: url(%1HuaKuai.png);}"
                          " QSlider:sub-page:horizontal{border-radius: 2px;background-color: rgb(%2;);}"
                          "QSlider:add-page:horizontal{border-radius: 2px;background-color: rgb(%3);}")
        .arg(pictureFolder, colour("SliderColor"), grooveColour);
}

QString valueBox(const QString &colourKey)
{
    return QStringLiteral("QSpinBox{background-color: transparent;color: rgb(%1;);border: 0px;}")
        .arg(ConfigIniStore::instance()->colourText(colourKey));
}

} // namespace PanelStyle
