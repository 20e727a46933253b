#pragma once

#include <QComboBox>

// A combo box that draws its current text as a button label, centred in the
// edit field, and remembers which item was current when it was last pressed.
class MyConmboBox : public QComboBox
{
public:
    explicit MyConmboBox(QWidget *parent = nullptr);
    ~MyConmboBox() override;

    int indexAtLastPress() const { return m_indexAtLastPress; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_indexAtLastPress = 0;
};
