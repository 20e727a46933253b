#pragma once

#include "switchpanel.h"

namespace Ui {
class MotionSync;
}

// Switches motion sync on and off: lines the sensor's reports up with the polling rate.
class MotionSync : public SwitchPanel
{
    Q_OBJECT

public:
    explicit MotionSync(QWidget *parent = nullptr);
    ~MotionSync() override;

private:
    Ui::MotionSync *ui;
};
