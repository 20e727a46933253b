#include "rippecontrol.h"

#include "configurationsenders.h"
#include "ui_rippecontrol.h"

RippeControl::RippeControl(QWidget *parent)
    : SwitchPanel(setRippleControl, parent)
    , ui(new Ui::RippeControl)
{
    ui->setupUi(this);
    adoptForm(ui->RippeControl_2, ui->label);
}

RippeControl::~RippeControl()
{
    delete ui;
}
