#include "addkey.h"

#include "keyboardcapture.h"
#include "keynames.h"
#include "languagetables.h"
#include "ui_addkey.h"

#include <QKeyEvent>

addKey::addKey(QWidget *parent)
    : LanguageDialog(parent)
    , ui(new Ui::addKey)
{
    ui->setupUi(this);
    capture = KeyboardCapture::install([this](int keyCode, bool, bool) { UpdateCapslockTip(keyCode); },
                                       KeyboardCapture::SystemKeys::KeepDownFlag);
    applySkin(ui->addKeyA, ui->label, ui->CloseButton, {ui->NewHong, ui->NewHong_2});
    colourInputField(ui->lineEdit);
    ui->lineEdit->setFocus(Qt::ActiveWindowFocusReason);
    followLanguage();
}

addKey::~addKey()
{
    delete ui;
}

void addKey::SlotAllLanguage(int index)
{
    ui->label->setText(languageText(LanguageSection::AddKey, index, 0));
    ui->NewHong->setText(languageText(LanguageSection::AddKey, index, 1));
    ui->NewHong_2->setText(languageText(LanguageSection::AddKey, index, 2));
}

// A press, each repeat and the release name the key again, so the field
// ends with the name even after the typed character went in.
void addKey::UpdateCapslockTip(int keyCode)
{
    const std::optional<MacroKey> key = macroKeyOfVirtualKey(keyCode);
    keyName = key ? macroKeyName(key->kind, key->code) : QString();
    ui->lineEdit->setText(keyName);
}

void addKey::on_CloseButton_clicked()
{
    accepted = false;
    reject();
}

void addKey::on_NewHong_clicked()
{
    accepted = true;
    accept();
}

void addKey::on_NewHong_2_clicked()
{
    accepted = false;
    reject();
}

// Esc and F12 are keys to name, not to close with.
void addKey::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F12)
        return;
    LanguageDialog::keyPressEvent(event);
}

void addKey::hideEvent(QHideEvent *event)
{
    capture->remove();
    LanguageDialog::hideEvent(event);
}
