#include "rippecontrolb.h"

#include "configurationsenders.h"
#include "ui_rippecontrolb.h"

RippeControlB::RippeControlB(QWidget *parent)
    : SwitchPanel(setRippleControl, parent)
    , ui(new Ui::RippeControlB)
{
    ui->setupUi(this);
    adoptForm(ui->RippeControl_2, ui->label);
}

RippeControlB::~RippeControlB()
{
    delete ui;
}
