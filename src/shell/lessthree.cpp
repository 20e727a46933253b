#include "lessthree.h"

#include "languagetables.h"
#include "ui_lessthree.h"

LessThree::LessThree(QWidget *parent)
    : NoticeDialog(parent)
    , ui(new Ui::LessThree)
{
    ui->setupUi(this);
    applySkin(ui->LessThreeframe, ui->label, ui->CloseButton, {ui->NewHong});
    followLanguage();
}

LessThree::~LessThree()
{
    delete ui;
}

void LessThree::SlotAllLanguage(int index)
{
    ui->label->setText(languageText(LanguageSection::LessThree, index, 0));
    ui->NewHong->setText(languageText(LanguageSection::LessThree, index, 1));
}
