#include "leftbuttononly.h"

#include "languagetables.h"
#include "ui_leftbuttononly.h"

LeftButtonOnly::LeftButtonOnly(QWidget *parent)
    : LanguageDialog(parent)
    , ui(new Ui::LeftButtonOnly)
{
    ui->setupUi(this);
    applySkin(ui->ButtonOnly, ui->label, ui->CloseButton, {});
    setFixedSize(size());
    connect(ui->CloseButton, &QToolButton::clicked, this, &QDialog::close);
    followLanguage();
}

LeftButtonOnly::~LeftButtonOnly()
{
    delete ui;
}

void LeftButtonOnly::SlotAllLanguage(int index)
{
    ui->label->setText(languageText(LanguageSection::ButtonOnly, index, 0));
}
