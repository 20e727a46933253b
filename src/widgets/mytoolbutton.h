#pragma once

#include <QToolButton>

// A tool button that acts on the press itself: a left press checks it and
// emits clicked(false), a left double click checks it and emits
// clicked(true). It never shows a pressed state; other buttons do nothing.
class MyToolButton : public QToolButton
{
    Q_OBJECT
public:
    explicit MyToolButton(QWidget *parent = nullptr);
    ~MyToolButton() override;

signals:
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
