#include "updatewarning.h"

#include "languagetables.h"
#include "ui_updatewarning.h"

UpDateWarning::UpDateWarning(QWidget *parent)
    : LanguageDialog(parent)
    , ui(new Ui::UpDateWarning)
{
    ui->setupUi(this);
    applySkin(ui->WarningFrame, ui->label, ui->CloseButton, {ui->NewHong});
    followLanguage();
    ui->NewHong->setShortcut(Qt::Key_Return);
}

UpDateWarning::~UpDateWarning()
{
    delete ui;
}

void UpDateWarning::setWarningText(const QString &text)
{
    ui->label->setText(text);
}

void UpDateWarning::SlotAllLanguage(int index)
{
    ui->NewHong->setText(languageText(LanguageSection::NewVer, index, 1));
}

void UpDateWarning::on_CloseButton_clicked()
{
    close();
}

void UpDateWarning::on_NewHong_clicked()
{
    close();
}
