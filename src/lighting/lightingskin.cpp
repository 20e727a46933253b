#include "lightingskin.h"

#include "configinistore.h"

#include <QComboBox>
#include <QListView>

namespace {

QString colour(const char *key)
{
    return ConfigIniStore::instance()->colourText(QLatin1String(key));
}

} // namespace

namespace LightingSkin {

QString labelStyle()
{
    return QStringLiteral("QLabel{color: rgb(%1);}").arg(colour("LabelColor"));
}

void skinModeList(QComboBox *list, const QString &folder)
{
    const QString text = colour("ComboxTextColor");
    const QString select = colour("ComboxSelectColor");
    list->setStyleSheet(
        QStringLiteral("QComboBox{border: 1px solid gray; color: rgb(%1); border-image: url(%2ComboboxBack.png);}"
                       "QComboBox::drop-down:button{border-radius:5px; background:rgb(%3);}"
                       " QComboBox::down-arrow{image: url(%2Menu.png); right: 8px; }"
                       "QComboBox::down-arrow:on{ image: url(%2MenuClicked.png);}"
                       "QComboBox QAbstractItemView::item{height:25px;}"
                       "QComboBox QAbstractItemView {outline: 0px solid gray; border: 1px  solid gray;"
                       "color: rgb(%1); border-image: url(%2ComboboxTextBack.png);"
                       "selection-background-color: rgb(%4); }")
            .arg(text, folder, colour("ComboxBackGroundColor"), select));
    auto *view = new QListView(list);
    view->setStyleSheet(QStringLiteral("QListView::item:selected{background-color: rgb(%1);}"
                                       "QListView::item:hover{background-color: rgb(%1);}")
                            .arg(select));
    list->setView(view);
    list->setMaxVisibleItems(5);
}

QString sliderStyle(const QString &folder, const QString &handle)
{
    return QStringLiteral("QSlider::groove:horizontal{height: 4px; background: rgb(255,255,255); border-radius: 2px;}"
                          "QSlider::sub-page:horizontal{background: rgb(%1); border-radius: 2px;}"
                          "QSlider::add-page:horizontal{background: rgb(255,255,255); border-radius: 2px;}"
                          "QSlider::handle:horizontal{image: url(%2%3); width: 14px; margin: -5px 0;}")
        .arg(colour("SliderColor"), folder, handle);
}

QString switchStyle(const QString &folder, const QString &off, const QString &on)
{
    return QStringLiteral("QToolButton{border:0px;background-position:center;background-repeat:no-repeat;"
                          "color: rgb(255,255,255);background-image: url(%1%2);}"
                          "QToolButton:checked{background-image: url(%1%3);}")
        .arg(folder, off, on);
}

QString pictureButtonStyle(const QString &folder, const QString &picture)
{
    return QStringLiteral("QToolButton{background-image: url(%1%2);border:0px;"
                          "background-position:center;background-repeat:no-repeat;}")
        .arg(folder, picture);
}

QString closeButtonStyle(const QString &folder, const QString &picture)
{
    return QStringLiteral("QToolButton{border:0px;background-image: url(%1%2);"
                          "background-position:center;background-repeat:no-repeat;}"
                          "QToolButton:hover{background-image: url(%1CloseHover.png);}"
                          "QToolButton:pressed{background-image: url(%1CloseClick.png);}")
        .arg(folder, picture);
}

QString backgroundStyle(const QWidget *frame, const QString &folder, const QString &picture)
{
    return QStringLiteral("#%1{border:0px;background-position:center;background-repeat:no-repeat;"
                          "background-image: url(%2%3);}")
        .arg(frame->objectName(), folder, picture);
}

} // namespace LightingSkin
