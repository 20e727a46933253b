#include "firekey.h"

#include "languagetables.h"
#include "ui_firekey.h"

FireKey::FireKey(QWidget *parent)
    : LanguageDialog(parent)
    , ui(new Ui::FireKey)
{
    ui->setupUi(this);
    applySkin(ui->FireKeyA, ui->label_3, ui->CloseButton, {ui->NewHong, ui->NewHong_2});
    skinLabel(ui->label);
    skinLabel(ui->label_2);
    colourInputField(ui->Count);
    colourInputField(ui->Time);
    // This dialog is larger than the picture drawn for the small ones: it stretches it.
    ui->FireKeyA->setStyleSheet(QStringLiteral("#FireKeyA{border: 0px; border-image: url(%1BackGround.png);}")
                                    .arg(picturePath));
    setFixedSize(size());
    followLanguage();
}

FireKey::~FireKey()
{
    delete ui;
}

void FireKey::setCount(int value)
{
    ui->Count->setValue(value);
}

void FireKey::setInterval(int value)
{
    ui->Time->setValue(value);
}

void FireKey::SlotAllLanguage(int index)
{
    const auto text = [index](int position) { return languageText(LanguageSection::FireKey, index, position); };
    ui->label->setText(text(0));
    ui->label_2->setText(text(1));
    ui->label_3->setText(text(2));
    ui->NewHong->setText(text(3));
    ui->NewHong_2->setText(text(4));
}

void FireKey::on_CloseButton_clicked()
{
    accepted = false;
    close();
}

void FireKey::on_NewHong_2_clicked()
{
    accepted = false;
    close();
}

void FireKey::on_NewHong_clicked()
{
    accepted = true;
    interval = ui->Time->value();
    count = ui->Count->value();
    close();
}
