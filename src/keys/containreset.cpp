#include "containreset.h"

#include "languagetables.h"
#include "ui_containreset.h"

#include <QShortcut>

ContainReset::ContainReset(QWidget *parent)
    : YesNoDialog(parent)
    , ui(new Ui::ContainReset)
{
    ui->setupUi(this);
    applySkin(ui->ContainResetA, ui->label, ui->CloseButton, {ui->OK, ui->Cancel});
    setFixedSize(size());
    followLanguage();
    ui->OK->setShortcut(Qt::Key_Return);
    connect(new QShortcut(Qt::Key_Enter, this), &QShortcut::activated, ui->OK, &QToolButton::click);
}

ContainReset::~ContainReset()
{
    delete ui;
}

void ContainReset::setMessageText(const QString &text)
{
    ui->label->setText(text);
}

void ContainReset::SlotAllLanguage(int index)
{
    ui->label->setText(languageText(LanguageSection::ContainReset, index, 0));
    ui->OK->setText(languageText(LanguageSection::ContainReset, index, 1));
    ui->Cancel->setText(languageText(LanguageSection::ContainReset, index, 2));
}
