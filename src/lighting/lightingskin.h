#pragma once

#include <QString>

class QWidget;

// Style sheets the lighting windows share. Colours are Option colours of
// the program INI file; pictures are named inside the window's own picture
// folder, which every call takes as `folder` (ending in "/").
namespace LightingSkin {

// A caption in the Option colour LabelColor.
QString labelStyle();

// The filled part of the groove in SliderColor, the rest white, and the
// handle picture.
QString sliderStyle(const QString &folder, const QString &handle);

// A check button that shows `off`, and `on` while checked.
QString switchStyle(const QString &folder, const QString &off, const QString &on);

// A borderless button drawn by one centred picture.
QString pictureButtonStyle(const QString &folder, const QString &picture);

// The close button: `picture`, CloseHover.png while hovered and
// CloseClick.png while pressed.
QString closeButtonStyle(const QString &folder, const QString &picture);

// The window's background picture on `frame` alone, not its children.
QString backgroundStyle(const QWidget *frame, const QString &folder, const QString &picture);

} // namespace LightingSkin
