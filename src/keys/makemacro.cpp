#include "makemacro.h"

#include "languagetables.h"
#include "ui_makemacro.h"

MakeMacro::MakeMacro(QWidget *parent)
    : NoticeDialog(parent)
    , ui(new Ui::MakeMacro)
{
    ui->setupUi(this);
    applySkin(ui->MakeMacroA, ui->label, ui->CloseButton, {ui->NewHong});
    setFixedSize(size());
    followLanguage();
}

MakeMacro::~MakeMacro()
{
    delete ui;
}

void MakeMacro::SlotAllLanguage(int index)
{
    ui->label->setText(languageText(LanguageSection::MakeMacro, index, 0));
    ui->NewHong->setText(languageText(LanguageSection::MakeMacro, index, 1));
}
