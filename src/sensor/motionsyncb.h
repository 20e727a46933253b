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

private slots:
    void on_MotionSync_2_clicked(bool checked);

private:
    Ui::MotionSyncB *ui;
};
