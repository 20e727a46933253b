#include "questiondialogb.h"

#include "languagetables.h"
#include "ui_questiondialogb.h"

QuestiondialogB::QuestiondialogB(QWidget *parent)
    : LanguageDialog(parent)
    , ui(new Ui::QuestiondialogB)
{
    ui->setupUi(this);
    applySkin(ui->QuestionB, ui->label, ui->CloseButton, {});
    setFixedSize(width(), height());
    followLanguage();
}

QuestiondialogB::~QuestiondialogB()
{
    delete ui;
}

void QuestiondialogB::SlotAllLanguage(int index)
{
    ui->label->setText(languageText(LanguageSection::QuestionB, index, 0));
}

void QuestiondialogB::on_CloseButton_clicked()
{
    close();
}
