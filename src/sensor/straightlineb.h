#pragma once

#include "switchpanel.h"

namespace Ui {
class StraightLineB;
}

// The angle snapping switch of StraightLine with the title before the toggle.
class StraightLineB : public SwitchPanel
{
    Q_OBJECT

public:
    explicit StraightLineB(QWidget *parent = nullptr);
    ~StraightLineB() override;

private slots:
    void on_StraightLine_2_clicked(bool checked);

private:
    Ui::StraightLineB *ui;
};
