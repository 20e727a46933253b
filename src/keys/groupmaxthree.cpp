#include "groupmaxthree.h"

#include "languagetables.h"
#include "ui_groupmaxthree.h"

GroupMaxThree::GroupMaxThree(QWidget *parent)
    : NoticeDialog(parent)
    , ui(new Ui::GroupMaxThree)
{
    ui->setupUi(this);
    applySkin(ui->MaxThree, ui->label, ui->CloseButton, {ui->NewHong});
    setFixedSize(size());
    followLanguage();
}

GroupMaxThree::~GroupMaxThree()
{
    delete ui;
}

void GroupMaxThree::SlotAllLanguage(int index)
{
    ui->label->setText(languageText(LanguageSection::MaxThree, index, 0));
    ui->NewHong->setText(languageText(LanguageSection::MaxThree, index, 1));
}
