#include "myslider.h"

#include <QMouseEvent>

#include <algorithm>

MySlider::MySlider(QWidget *parent)
    : QSlider(parent)
{
}

MySlider::~MySlider() = default;

void MySlider::mousePressEvent(QMouseEvent *event)
{
    // The base handling first, so that a press on the handle still drags.
    QSlider::mousePressEvent(event);
    // The horizontal position counts whatever the orientation.
    const int w = width();
    if (w <= 0)
        return;
    const double span = double(maximum()) - double(minimum());
    const double fraction = std::clamp(double(event->pos().x()) / w, 0.0, 1.0);
    setValue(int(minimum() + span * fraction));
}
