#include "keynumberlimit.h"

#include "languagetables.h"
#include "ui_keynumberlimit.h"

KeyNumberLimit::KeyNumberLimit(QWidget *parent)
    : NoticeDialog(parent)
    , ui(new Ui::KeyNumberLimit)
{
    ui->setupUi(this);
    applySkin(ui->LimitA, ui->label, ui->CloseButton, {ui->NewHong});
    followLanguage();
}

KeyNumberLimit::~KeyNumberLimit()
{
    delete ui;
}

void KeyNumberLimit::SlotAllLanguage(int index)
{
    ui->label->setText(languageText(LanguageSection::Limit, index, 0));
    ui->NewHong->setText(languageText(LanguageSection::Limit, index, 1));
}
