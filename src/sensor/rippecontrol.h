#pragma once

#include "switchpanel.h"

namespace Ui {
class RippeControl;
}

// Switches ripple control on and off: smooths the jitter a sensor shows at high DPI.
class RippeControl : public SwitchPanel
{
    Q_OBJECT

public:
    explicit RippeControl(QWidget *parent = nullptr);
    ~RippeControl() override;

private:
    Ui::RippeControl *ui;
};
