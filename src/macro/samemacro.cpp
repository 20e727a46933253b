#include "samemacro.h"

#include "languagetables.h"
#include "ui_samemacro.h"

SameMacro::SameMacro(QWidget *parent)
    : NoticeDialog(parent)
    , ui(new Ui::SameMacro)
{
    ui->setupUi(this);
    applySkin(ui->SameMacroA, ui->label, ui->CloseButton, {ui->NewHong});
    followLanguage();
}

SameMacro::~SameMacro()
{
    delete ui;
}

void SameMacro::SlotAllLanguage(int index)
{
    ui->label->setText(languageText(LanguageSection::SameMacro, index, 0));
    ui->NewHong->setText(languageText(LanguageSection::SameMacro, index, 1));
}
