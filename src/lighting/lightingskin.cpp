#include "lightingskin.h"

#include "configinistore.h"

#include <QWidget>

namespace LightingSkin {

QString labelStyle()
{
    return QStringLiteral("QLabel{color: rgb(%1);}").arg(optionColour("LabelColor"));
}

QString sliderStyle(const QString &folder, const QString &handle)
{
    return QStringLiteral("QSlider::groove:horizontal{height: 4px; background: rgb(255,255,255); border-radius: 2px;}"
                          "QSlider::sub-page:horizontal{background: rgb(%1); border-radius: 2px;}"
                          "QSlider::add-page:horizontal{background: rgb(255,255,255); border-radius: 2px;}"
                          "QSlider::handle:horizontal{image: url(%2%3); width: 14px; margin: -5px 0;}")
        .arg(optionColour("SliderColor"), folder, handle);
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
