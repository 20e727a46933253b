#include "updatewarning.h"

#include "dialogplacement.h"
#include "languagetables.h"
#include "pagestate.h"
#include "ui_updatewarning.h"

UpDateWarning::UpDateWarning(QWidget *parent)
    : NoticeDialog(parent)
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

void UpDateWarning::showFirmwareWarning(QWidget *reference)
{
    UpDateWarning warning;
    warning.setWarningText(g_updateWarningText);
    placeDialog(&warning, reference, -20, 0);
    warning.exec();
}
