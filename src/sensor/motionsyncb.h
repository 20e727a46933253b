#pragma once

#include "switchpanel.h"

namespace Ui {
class MotionSyncB;
}

// The motion sync switch of MotionSync with the title before the toggle.
class MotionSyncB : public SwitchPanel
{
    Q_OBJECT

public:
    explicit MotionSyncB(QWidget *parent = nullptr);
    ~MotionSyncB() override;

private:
    Ui::MotionSyncB *ui;
};
