#pragma once

#include "screendialog.h"

namespace Ui {
class InputPicB;
}

// The receiver-screen dialog with four wide picture slots.
class InputPicB : public ScreenDialog
{
    Q_OBJECT

public:
    explicit InputPicB(QWidget *parent = nullptr);
    ~InputPicB() override;

private:
    Ui::InputPicB *ui;
};
