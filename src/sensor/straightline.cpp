#include "straightline.h"

#include "configurationsenders.h"
#include "ui_straightline.h"

StraightLine::StraightLine(QWidget *parent)
    : SwitchPanel(setStraightLine, parent)
    , ui(new Ui::StraightLine)
{
    ui->setupUi(this);
    adoptForm(ui->StraightLine_2, ui->label);
}

StraightLine::~StraightLine()
{
    delete ui;
}
