#include "inportfail.h"

#include "languagetables.h"
#include "ui_inportfail.h"

int g_importResult = 0;

InportFail::InportFail(QWidget *parent)
    : NoticeDialog(parent)
    , ui(new Ui::InportFail)
{
    ui->setupUi(this);
    applySkin(ui->InportFailA, ui->label, ui->CloseButton, {ui->NewHong});
    followLanguage();
}

InportFail::~InportFail()
{
    delete ui;
}

void InportFail::SlotAllLanguage(int index)
{
    // Texts 0 and 1 explain results 1 and 2; any other keeps the form's text.
    if (g_importResult == 1 || g_importResult == 2)
        ui->label->setText(languageText(LanguageSection::InportFail, index, g_importResult - 1));
    ui->NewHong->setText(languageText(LanguageSection::InportFail, index, 2));
}
