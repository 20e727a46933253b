#include "mytoolbuttonenter.h"

namespace {

mytoolButtonEnter::HoverHandler &hoverHandler()
{
    static mytoolButtonEnter::HoverHandler handler;
    return handler;
}

} // namespace

mytoolButtonEnter::mytoolButtonEnter(QWidget *parent)
    : QToolButton(parent)
{
}

mytoolButtonEnter::~mytoolButtonEnter() = default;

void mytoolButtonEnter::setHoverHandler(HoverHandler handler)
{
    hoverHandler() = std::move(handler);
}

void mytoolButtonEnter::enterEvent(QEvent *)
{
    const int tileIndex = objectName().remove(QStringLiteral("btn")).toInt();
    if (hoverHandler())
        hoverHandler()(tileIndex);
}

void mytoolButtonEnter::leaveEvent(QEvent *)
{
}
