#include "deleteconfirm.h"

#include "languagetables.h"
#include "ui_deleteconfirm.h"

DeleteConfirm::DeleteConfirm(QWidget *parent)
    : LanguageDialog(parent)
    , ui(new Ui::DeleteConfirm)
{
    ui->setupUi(this);
    applySkin(ui->DeleteConfirmA, ui->label, ui->CloseButton, {ui->NewHong});
    followLanguage();
}

DeleteConfirm::~DeleteConfirm()
{
    delete ui;
}

void DeleteConfirm::SlotAllLanguage(int index)
{
    ui->label->setText(languageText(LanguageSection::DeleteConfirm, index, 0));
    ui->NewHong->setText(languageText(LanguageSection::DeleteConfirm, index, 1));
}

void DeleteConfirm::on_NewHong_clicked()
{
    confirmed = true;
    close();
}

void DeleteConfirm::on_CloseButton_clicked()
{
    confirmed = false;
    close();
}
