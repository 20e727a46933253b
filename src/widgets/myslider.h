#pragma once

#include <QSlider>

// A slider that jumps to the pressed position instead of stepping a page.
class MySlider : public QSlider
{
public:
    explicit MySlider(QWidget *parent = nullptr);
    ~MySlider() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
