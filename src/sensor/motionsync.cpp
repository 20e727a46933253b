#include "motionsync.h"

#include "configurationsenders.h"
#include "ui_motionsync.h"

MotionSync::MotionSync(QWidget *parent)
    : SwitchPanel(setMotionSync, parent)
    , ui(new Ui::MotionSync)
{
    ui->setupUi(this);
    adoptForm(ui->MotionSync_2, ui->label);
}

MotionSync::~MotionSync()
{
    delete ui;
}
