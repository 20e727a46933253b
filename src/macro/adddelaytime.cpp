#include "adddelaytime.h"

#include "languagetables.h"
#include "ui_adddelaytime.h"

AddDelayTime::AddDelayTime(QWidget *parent)
    : LanguageDialog(parent)
    , ui(new Ui::AddDelayTime)
{
    ui->setupUi(this);
    applySkin(ui->AddDelayTimeA, ui->label, ui->CloseButton, {ui->NewHong, ui->NewHong_2});
    colourInputField(ui->spinBox);
    ui->spinBox->setFocus(Qt::ActiveWindowFocusReason);
    followLanguage();
}

AddDelayTime::~AddDelayTime()
{
    delete ui;
}

void AddDelayTime::SlotAllLanguage(int index)
{
    ui->label->setText(languageText(LanguageSection::AddDelayTime, index, 0));
    ui->NewHong->setText(languageText(LanguageSection::AddDelayTime, index, 1));
    ui->NewHong_2->setText(languageText(LanguageSection::AddDelayTime, index, 2));
}

void AddDelayTime::on_CloseButton_clicked()
{
    accepted = false;
    close();
}

void AddDelayTime::on_NewHong_clicked()
{
    accepted = true;
    delayTime = ui->spinBox->value();
    close();
}

void AddDelayTime::on_NewHong_2_clicked()
{
    accepted = false;
    close();
}
