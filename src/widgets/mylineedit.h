#pragma once

#include <QLineEdit>

// A line edit that only the program fills: typing changes nothing, and the
// keys stop here instead of reaching the parent.
class MyLineEdit : public QLineEdit
{
public:
    explicit MyLineEdit(QWidget *parent = nullptr);
    ~MyLineEdit() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
};
