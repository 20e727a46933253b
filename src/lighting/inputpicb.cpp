#include "inputpicb.h"

#include "ui_inputpicb.h"

InputPicB::InputPicB(QWidget *parent)
    : ScreenDialog(parent)
    , ui(new Ui::InputPicB)
{
    ui->setupUi(this);
    dress(screenDialogWidgets(ui));
}

InputPicB::~InputPicB()
{
    delete ui;
}
