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

private:
    Ui::StraightLineB *ui;
};
