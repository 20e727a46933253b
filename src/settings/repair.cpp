#include "repair.h"

#include "languagetables.h"
#include "ui_repair.h"

RePair::RePair(QWidget *parent)
    : YesNoDialog(parent)
    , ui(new Ui::RePair)
{
    ui->setupUi(this);
    applySkin(ui->RePairA, ui->label, ui->CloseButton, {ui->OK, ui->Cancel});
    setFixedSize(size());
    followLanguage();
}

RePair::~RePair()
{
    delete ui;
}

void RePair::SlotAllLanguage(int index)
{
    ui->label->setText(languageText(LanguageSection::RePair, index, 0));
    ui->OK->setText(languageText(LanguageSection::RePair, index, 1));
    ui->Cancel->setText(languageText(LanguageSection::RePair, index, 2));
}
