#include "qtscreencolourprobe.h"

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

namespace {

int primaryScreenWidth()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

} // namespace

int QtScreenColourProbe::logicalScreenWidth() const
{
    return primaryScreenWidth();
}

int QtScreenColourProbe::physicalScreenWidth() const
{
    return primaryScreenWidth();
}

std::optional<ScreenColour> QtScreenColourProbe::grabPixel(const QPoint &point) const
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    const QPixmap grab = screen->grabWindow(0, point.x(), point.y(), 2, 2);
    if (grab.isNull())
        return std::nullopt;
    const QImage image = grab.toImage();
    if (image.isNull() || !image.valid(0, 0))
        return std::nullopt;
    const QColor colour(image.pixel(0, 0));
    return ScreenColour{colour.red(), colour.green(), colour.blue()};
}
