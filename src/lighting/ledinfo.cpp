#include "ledinfo.h"

#include "advancedfeatures.h"
#include "appinfo.h"
#include "configinistore.h"
#include "deferredskin.h"
#include "dialogflags.h"
#include "languagetables.h"
#include "lightingskin.h"
#include "postmsg.h"
#include "ui_ledinfo.h"

#include <QButtonGroup>

LedInfo::LedInfo(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LedInfo)
    , picturePath(programFolderPath() + QStringLiteral("/Picture/FormSetting/"))
    , m_choices(new QButtonGroup(this))
{
    ui->setupUi(this);
    setWindowFlags(dialogWindowFlags);
    auto *skin = new DeferredSkin(this);
    const QString colour = ConfigIniStore::instance()->colourText(QStringLiteral("LabelColor"));
    skin->setStyleSheet(ui->label_14, LightingSkin::labelStyle());
    skin->setStyleSheet(ui->TitleButton_7,
                        QStringLiteral("#TitleButton_7{border-image: url(%1Title.png);}").arg(picturePath));
    const QString choiceStyle = QStringLiteral("QCheckBox{color: rgb(%1);}"
                                               "QCheckBox:indicator::checked {image: url(%2CheckBoxCheck.png);}"
                                               "QCheckBox::indicator::unchecked {image: url(%2CheckBox2.png);}")
                                    .arg(colour, picturePath);
    for (QCheckBox *choice : {ui->ReUntil, ui->ReUntil_2, ui->ReUntil_3}) {
        skin->setStyleSheet(choice, choiceStyle);
        m_choices->addButton(choice);
    }
    for (QTextEdit *description : {ui->textEdit_2, ui->textEdit_3, ui->textEdit_4})
        skin->setStyleSheet(description,
                            QStringLiteral("#%1{border: transparent;background-color: transparent;color: rgb(%2);}")
                                .arg(description->objectName(), colour));
    skin->setStyleSheet(ui->LedInfoFrame,
                        LightingSkin::backgroundStyle(ui->LedInfoFrame, picturePath, QStringLiteral("Back.png")));
    skin->setStyleSheet(ui->CloseButton, LightingSkin::closeButtonStyle(picturePath, QStringLiteral("Close.png")));
    connect(PostMsg::instance(), SIGNAL(SigRGBValue(DongleRGB*)), this, SLOT(SlotRGBValue(DongleRGB*)),
            Qt::BlockingQueuedConnection);
}

LedInfo::~LedInfo()
{
    delete ui;
}

void LedInfo::SlotRGBValue(DongleRGB *Rgb)
{
    if (!AdvancedFeatures::currentDeviceHasReceiverLed())
        return;
    for (QWidget *widget : QList<QWidget *>{ui->TitleButton_7, ui->label_14, ui->ReUntil, ui->ReUntil_2, ui->ReUntil_3,
                                            ui->textEdit_2, ui->textEdit_3, ui->textEdit_4})
        widget->show();
    const QList<QCheckBox *> choices = {ui->ReUntil, ui->ReUntil_2, ui->ReUntil_3};
    const int mode = Rgb->bytes[0];
    if (mode >= 1 && mode <= choices.size())
        choices.at(mode - 1)->setChecked(true);
}

void LedInfo::SlotAllLanguage(int index)
{
    const auto text = [index](int position) { return languageText(LanguageSection::FormSetting, index, position); };
    ui->label_14->setText(text(19));
    ui->textEdit_2->setPlainText(text(20));
    ui->textEdit_3->setPlainText(text(21));
    ui->textEdit_4->setPlainText(text(22));
}

void LedInfo::on_CloseButton_clicked()
{
    emit PostMsg::instance()->SigButtonCheck();
    close();
}
