#include "straightlineb.h"

#include "configurationsenders.h"
#include "ui_straightlineb.h"

StraightLineB::StraightLineB(QWidget *parent)
    : SwitchPanel(setStraightLine, parent)
    , ui(new Ui::StraightLineB)
{
    ui->setupUi(this);
    adoptForm(ui->StraightLine_2, ui->label);
}

StraightLineB::~StraightLineB()
{
    delete ui;
}
