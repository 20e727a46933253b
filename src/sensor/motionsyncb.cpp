#include "motionsyncb.h"

#include "configurationsenders.h"
#include "ui_motionsyncb.h"

MotionSyncB::MotionSyncB(QWidget *parent)
    : SwitchPanel(setMotionSync, parent)
    , ui(new Ui::MotionSyncB)
{
    ui->setupUi(this);
    adoptForm(ui->MotionSync_2, ui->label);
}

MotionSyncB::~MotionSyncB()
{
    delete ui;
}
