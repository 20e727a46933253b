#pragma once

#include "switchpanel.h"

namespace Ui {
class RippeControlB;
}

// The ripple control switch of RippeControl with the title before the toggle.
class RippeControlB : public SwitchPanel
{
    Q_OBJECT

public:
    explicit RippeControlB(QWidget *parent = nullptr);
    ~RippeControlB() override;

private:
    Ui::RippeControlB *ui;
};
