#include "formsetting.h"

#include "advancedfeatures.h"
#include "appinfo.h"
#include "autostart.h"
#include "configinistore.h"
#include "desktopmousesettings.h"
#include "deferredskin.h"
#include "deviceidentification.h"
#include "devicepagediscovery.h"
#include "dialogplacement.h"
#include "firmwareimagescan.h"
#include "languagetables.h"
#include "macroinistore.h"
#include "pagestate.h"
#include "postmsg.h"
#include "receiverpairing.h"
#include "stopclosetime.h"
#include "ui_formsetting.h"
#include "updaterepair.h"
#include "updatewarning.h"

#include <HIDUsb.h>

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QUrl>

#include <iterator>

namespace {

using Target = FirmwareUpdateRun::Target;

// What SigSetver asks of the page.
enum VersionRequest {
    FullRefresh = 0, ClearReceiverNotice = 1, ClearMouseNotice = 2, ButtonCaption = 3, UpdateStarts = 4,
    UpdateStartsShowingVersions = 5, DeviceOpening = 6
};

// The content scrolls by this much more than the visible page.
constexpr int LayoutOffset = 80;

// Positions of the page's texts in its language table.
enum FormText {
    VersionLine = 0, UpdateButton = 7, LongRange = 13, WiredMode = 14, LedCaption = 19, LedModes = 20,
    UpToDate = 18, SleepTimes = 28, SleepCaption = 39, NoMouseSettings = 44
};

// Where the version values and the update button stand for each language:
// label_5's x, the button's x and y (-1: where it is), label_7's x.
struct VersionPlaces
{
    int receiverX;
    int buttonX;
    int buttonY;
    int mouseX;
};
constexpr VersionPlaces LanguagePlaces[] = {
    {200, 280, 170, 200}, {280, 330, 170, 280}, {150, 330, 170, 150},
    {170, 280, 170, 170}, {280, 330, 170, 280}, {280, -1, -1, 280},
};
constexpr VersionPlaces OtherLanguagePlaces = {235, 285, 155, 235};

} // namespace

FormSetting::FormSetting(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::FormSetting)
    // The page shows only once a device is opened: its pictures wait until then.
    , skin(new DeferredSkin(this))
    , skinFolder(programFolderPath() + QStringLiteral("/Picture/FormSetting/"))
    , textColour(optionColour("LabelColor"))
    , buttonColour(optionColour("ButtonColor"))
    , ledGroup(new QButtonGroup(this))
    , warningDialog(std::make_unique<UpDateWarning>())
    , updateRun(new FirmwareUpdateRun(
          [this](Target target) { return target == Target::Receiver ? ui->label_5->text() : ui->label_7->text(); },
          this))
{
    ui->setupUi(this);
    if (!g_repairDialog)
        g_repairDialog = new UpDateRepair;
    connectHub();
    applyStyles();
    ui->comboBox->applyListSkin(skinFolder);
    labelAnchor = ui->label->pos();
    ui->checkBox->setChecked(
        MacroIniStore::instance()->value(QStringLiteral("AutoStart"), QStringLiteral("Enable")).toInt() == 1);
    setAdvancedVisible(false);
    setLedVisible(false);
    applyLayout(false);
    for (QAbstractButton *box : {ui->ReUntil, ui->ReUntil_2, ui->ReUntil_3})
        ledGroup->addButton(box);
    ledGroup->setExclusive(true);
    showNotice(Target::Receiver, false);
    showNotice(Target::Mouse, false);
    showUpdateOffered(false);
    connect(PostMsg::instance(), SIGNAL(SigAllLanguage(int)), this, SLOT(SlotAllLanguage(int)));
    SlotAllLanguage(currentLanguageIndex);
}

FormSetting::~FormSetting()
{
    delete ui;
}

void FormSetting::connectHub()
{
    PostMsg *hub = PostMsg::instance();
    const auto blocking = Qt::BlockingQueuedConnection;
    connect(hub, SIGNAL(SigLanguageSameB(int)), this, SLOT(SlotLanguageSameB(int)));
    connect(hub, SIGNAL(SigSetNewVer()), this, SLOT(SetVerText()));
    connect(hub, SIGNAL(SigLightToFrom(int)), this, SLOT(SlotLightToFrom(int)));
    connect(hub, SIGNAL(SigRGBValue(DongleRGB*)), this, SLOT(SlotRGBValue(DongleRGB*)), blocking);
    connect(hub, SIGNAL(SigLongRangeMode(bool)), this, SLOT(SlotLongRangeMode(bool)), blocking);
    connect(hub, SIGNAL(SigForm()), this, SLOT(SlotForm()), blocking);
    connect(hub, SIGNAL(SigFormB()), this, SLOT(SlotFormB()));
    connect(hub, SIGNAL(SigSetver(int)), this, SLOT(SetVer(int)));
    connect(hub, SIGNAL(SigLabelText(int,QString)), this, SLOT(SlotLabelText(int,QString)));
    connect(hub, SIGNAL(SigCheckUpdate()), this, SLOT(SlotCheckUpdate()));
    connect(hub, SIGNAL(SigLabelTextB(QString,QString)), this, SLOT(SlotLabelTextB(QString,QString)));
    connect(hub, SIGNAL(SigFormReset()), this, SLOT(SlotFormResetForm()), blocking);
    connect(hub, SIGNAL(SigUpdateStart()), this, SLOT(on_Start()));
    connect(hub, SIGNAL(SigContinue(int)), this, SLOT(SlotContinue(int)));
    connect(ui->scrollArea->verticalScrollBar(), &QScrollBar::valueChanged, this, &FormSetting::SlotScroolChange);
    connect(updateRun, &FirmwareUpdateRun::noticeChanged, this, &FormSetting::showNotice);
    connect(updateRun, &FirmwareUpdateRun::upToDate, this, &FormSetting::SetVerText);
    connect(updateRun, &FirmwareUpdateRun::updateOffered, this, &FormSetting::showUpdateOffered);
    connect(updateRun, &FirmwareUpdateRun::warningRaised, this, &FormSetting::showWarning);
    connect(updateRun, &FirmwareUpdateRun::endedWithoutResult, this,
            [](const QString &reason) { g_repairDialog->endUpgradingView(reason); });
}

// The page's texts take the look's label colour: the page is drawn dark.
void FormSetting::applyStyles()
{
    // This sheet reaches every control of the page: set by the form, it would
    // run the construction of each through the style-sheet engine.
    skin->setStyleSheet(ui->FrameSetting,
                        QStringLiteral("#FrameSetting{border:none;background:transparent;}"
                                       "QScrollArea{background:transparent;}"
                                       "QScrollBar:vertical{width:13px;background:rgb(30,30,30);}"
                                       "QScrollBar::handle:vertical{background:rgb(117,117,117);border-radius:3px;"
                                       "min-height:30px;}"
                                       // The end buttons keep their room but draw nothing of their own.
                                       "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:25px;"
                                       "background:rgb(30,30,30);border:none;}"
                                       "QScrollBar::up-arrow:vertical,QScrollBar::down-arrow:vertical,"
                                       "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical"
                                       "{background:transparent;border:none;}"));
    const QString label = QStringLiteral("QLabel{color: rgb(%1);}").arg(textColour);
    for (QLabel *caption : {ui->label, ui->label_2, ui->label_3, ui->label_4, ui->label_5, ui->label_6, ui->label_7,
                            ui->label_8, ui->label_9, ui->label_10, ui->label_11, ui->label_12, ui->label_13,
                            ui->label_14})
        skin->setStyleSheet(caption, label);
    skin->setStyleSheet(ui->pushButton_2,
                        QStringLiteral("QPushButton{border:0px;background-position:center;background-repeat:no-repeat;"
                                       "color: rgb(%1);background-image: url(%2PariButton.png);}")
                            .arg(buttonColour, skinFolder));
    const QString link = QStringLiteral("QPushButton{border:none;background:transparent;color: rgb(%1);"
                                        "text-align : %2;padding-right:1px;}");
    skin->setStyleSheet(ui->pushButton, link.arg(textColour, QStringLiteral("left")));
    skin->setStyleSheet(ui->pushButton_3, link.arg(textColour, QStringLiteral("right")));
    skin->setStyleSheet(ui->pushButton_4, link.arg(textColour, QStringLiteral("right")));
    for (QWidget *mark : {ui->TitleButton_2, ui->TitleButton_3, ui->TitleButton_4, ui->TitleButton_5,
                          ui->TitleButton_6, ui->TitleButton_7, ui->TitleButton_8})
        skin->setStyleSheet(mark,
                            QStringLiteral("#%1{border-image: url(%2Title.png);}").arg(mark->objectName(), skinFolder));
    skin->setStyleSheet(ui->toolButton,
                        QStringLiteral("#toolButton{border-image: url(%1Mouse.png);}").arg(skinFolder));
    for (QWidget *box : {ui->checkBox, ui->checkBox_2})
        skin->setStyleSheet(box,
                            QStringLiteral("#%1{color: rgb(%2);}#%1::indicator:unchecked{image: url(%3CheckBox.png);}"
                                           "#%1::indicator:checked{image: url(%3CheckBoxChecked.png);}")
                                .arg(box->objectName(), textColour, skinFolder));
    for (QWidget *box : {ui->ReUntil, ui->ReUntil_2, ui->ReUntil_3})
        skin->setStyleSheet(box, QStringLiteral("QCheckBox{color: rgb(%1);}"
                                                "QCheckBox:indicator::checked {image: url(%2CheckBoxCheck.png);}"
                                                "QCheckBox::indicator::unchecked {image: url(%2CheckBox2.png);}")
                                     .arg(textColour, skinFolder));
    for (QWidget *text : {ui->textEdit, ui->textEdit_2, ui->textEdit_3, ui->textEdit_4})
        skin->setStyleSheet(text,
                            QStringLiteral("#%1{border: transparent;background-color: transparent;color: rgb(%2);}")
                                .arg(text->objectName(), textColour));
    for (QWidget *mark : {ui->toolButton_2, ui->toolButton_3})
        skin->setStyleSheet(mark, QStringLiteral("QToolButton{border:0px;background-position:center;"
                                                 "background-repeat:no-repeat;color: rgb(255,106,0);"
                                                 "background-image: url(%1Picture.png);}")
                                      .arg(skinFolder));
    skin->setStyleSheet(ui->scrollAreaWidgetContents, QStringLiteral("background-color:transparent;border:none;"));
}

void FormSetting::mousePressEvent(QMouseEvent *)
{
}

void FormSetting::SlotAllLanguage(int index)
{
    const auto text = [index](int position) { return languageText(LanguageSection::FormSetting, index, position); };
    ui->Receive_2->setFont(QFont(QStringLiteral("微软雅黑"), index == 5 ? 7 : 10));
    placeVersions(index);
    const bool ownNames = index == 1 || index == 2;
    ui->pushButton_4->setText(languageText(LanguageSection::English, 0, ownNames ? 1 : 0));
    ui->pushButton_3->setText(languageText(LanguageSection::English, 0, ownNames ? 2 : 3));
    const QList<QLabel *> numbered = {ui->label, ui->label_2, ui->label_3, ui->label_4, ui->label_6, ui->label_8};
    for (int position = VersionLine; position < numbered.size(); ++position)
        numbered.at(position)->setText(text(position));
    ui->pushButton_2->setText(text(6));
    updateButtonText = text(UpdateButton);
    upToDateText = text(UpToDate);
    ui->Receive_2->setText(updateButtonText);
    ui->label_9->setText(text(9));
    ui->label_10->setText(text(10));
    ui->pushButton->setText(text(11));
    ui->label_11->setText(text(12));
    ui->textEdit->setPlainText(text(LongRange));
    g_updateWarningText = text(WiredMode);
    for (int item = 0; item < 11; ++item)
        ui->frameClose->setItemText(item, text(SleepTimes + item));
    ui->label_12->setText(text(SleepCaption));
    ui->label_13->setText(text(SleepCaption + 1));
    ui->label_14->setText(text(LedCaption));
    ui->textEdit_2->setPlainText(text(LedModes));
    ui->textEdit_3->setPlainText(text(LedModes + 1));
    ui->textEdit_4->setPlainText(text(LedModes + 2));
}

void FormSetting::placeVersions(int language)
{
    const VersionPlaces places = language >= 0 && language < int(std::size(LanguagePlaces))
                                     ? LanguagePlaces[language]
                                     : OtherLanguagePlaces;
    ui->label_5->move(places.receiverX, 155);
    ui->label_7->move(places.mouseX, 185);
    if (places.buttonX >= 0)
        ui->Receive_2->move(places.buttonX, places.buttonY);
    ui->toolButton_2->move(460, 160);
    ui->toolButton_3->move(460, 190);
}

// Only a choice the user makes writes the language down and tells the
// other windows.
void FormSetting::on_comboBox_activated(int index)
{
    chooseLanguage(index);
    emit PostMsg::instance()->SigLanguageSameA(index);
}

void FormSetting::SlotLanguageSameB(int index)
{
    const QSignalBlocker blocker(ui->comboBox);
    ui->comboBox->setCurrentIndex(index);
}

void FormSetting::on_checkBox_clicked(bool checked)
{
    MacroIniStore::instance()->setValue(QStringLiteral("AutoStart"), QStringLiteral("Enable"),
                                        checked ? QStringLiteral("1") : QStringLiteral("0"));
    const QString name = QCoreApplication::applicationName();
    if (checked)
        AutoStart::enable(name, appName, QCoreApplication::applicationFilePath());
    else
        AutoStart::disable(name);
}

void FormSetting::on_pushButton_2_clicked()
{
    pairChosenReceiver(this, -70, -30);
}

void FormSetting::on_pushButton_clicked()
{
    if (!DesktopMouseSettings::open())
        showWarning(languageText(LanguageSection::FormSetting, currentLanguageIndex, NoMouseSettings));
}

void FormSetting::on_pushButton_3_clicked()
{
    QDesktopServices::openUrl(QUrl(ui->pushButton_3->text()));
}

// The version line keeps near the top of what the page shows.
void FormSetting::SlotScroolChange(int index)
{
    ui->label->move(labelAnchor.x(), index + labelAnchor.y() + 10);
}

void FormSetting::showWarning(const QString &text)
{
    placeDialog(warningDialog.get(), this, -75, -65);
    warningDialog->setWindowModality(Qt::ApplicationModal);
    warningDialog->setWarningText(text);
    warningDialog->show();
}

// ---- receiver sections ------------------------------------------------------

void FormSetting::setAdvancedVisible(bool visible)
{
    for (QWidget *widget : {static_cast<QWidget *>(ui->TitleButton_6), static_cast<QWidget *>(ui->label_11),
                            static_cast<QWidget *>(ui->checkBox_2), static_cast<QWidget *>(ui->textEdit)})
        widget->setVisible(visible);
}

void FormSetting::setLedVisible(bool visible)
{
    for (QWidget *widget : {static_cast<QWidget *>(ui->TitleButton_7), static_cast<QWidget *>(ui->label_14),
                            static_cast<QWidget *>(ui->ReUntil), static_cast<QWidget *>(ui->ReUntil_2),
                            static_cast<QWidget *>(ui->ReUntil_3), static_cast<QWidget *>(ui->textEdit_2),
                            static_cast<QWidget *>(ui->textEdit_3), static_cast<QWidget *>(ui->textEdit_4)})
        widget->setVisible(visible);
}

// The LED section makes the page longer; the maker's lines close it at
// the same distance from its foot, wholly below what the page first shows.
void FormSetting::applyLayout(bool withLed)
{
    const int foot = LayoutOffset + (withLed ? 780 : 630);
    ui->scrollAreaWidgetContents->setFixedSize(880, foot);
    ui->pushButton_3->move(610, foot - 70);
    ui->pushButton_4->move(490, foot - 50);
}

// The LED section comes back only when the receiver reports its light.
void FormSetting::SlotForm()
{
    setAdvancedVisible(AdvancedFeatures::ofCurrentDevice().longRange && !CurrentDevice.get().isWired);
    setLedVisible(false);
    applyLayout(false);
}

// After an import a hidden section stays hidden.
void FormSetting::SlotFormB()
{
    if (!AdvancedFeatures::ofCurrentDevice().longRange || CurrentDevice.get().isWired)
        setAdvancedVisible(false);
    setLedVisible(false);
    applyLayout(false);
}

void FormSetting::SlotFormResetForm()
{
    setAdvancedVisible(false);
    setLedVisible(false);
    ui->checkBox_2->setChecked(false);
    applyLayout(false);
}

// Only the receiver of the 4000 Hz class has the LED indicator.
void FormSetting::SlotRGBValue(DongleRGB *Rgb)
{
    if (!AdvancedFeatures::currentDeviceHasReceiverLed())
        return;
    receiverLight = *Rgb;
    setLedVisible(true);
    const QList<QAbstractButton *> modes = ledGroup->buttons();
    const int mode = Rgb->bytes[0];
    if (mode >= 1 && mode <= modes.size())
        modes.at(mode - 1)->setChecked(true);
    applyLayout(true);
}

void FormSetting::SlotLongRangeMode(bool Select)
{
    if (!AdvancedFeatures::ofCurrentDevice().longRange)
        return;
    setAdvancedVisible(true);
    ui->checkBox_2->setChecked(Select);
}

// A change reaches the receiver while the device pages are live and the
// device answers; an offline device is reported instead.
bool FormSetting::answersForChange()
{
    if (!g_deviceUiLive)
        return false;
    if (currentDeviceAnswers())
        return true;
    emit PostMsg::instance()->SigMouseOffLineo(0);
    return false;
}

void FormSetting::on_checkBox_2_toggled(bool checked)
{
    if (!answersForChange())
        return;
    const QByteArray path = CurrentDevicePath.get();
    UsbFinderC_SetLongRangeMode(path.constData(), checked ? 1 : 0);
}

void FormSetting::sendLedMode(int mode, bool checked)
{
    if (!answersForChange() || !checked)
        return;
    receiverLight.bytes[0] = std::uint8_t(mode);
    const QByteArray path = CurrentDevicePath.get();
    UsbFinderC_Set4KDongleRGB(path.constData(), receiverLight.bytes);
}

void FormSetting::on_ReUntil_toggled(bool checked)
{
    sendLedMode(1, checked);
}

void FormSetting::on_ReUntil_2_toggled(bool checked)
{
    sendLedMode(2, checked);
}

void FormSetting::on_ReUntil_3_toggled(bool checked)
{
    sendLedMode(3, checked);
}

void FormSetting::SlotLightToFrom(int index)
{
    const int item = StopCloseTime::indexOfSeconds(index);
    if (item >= 0)
        ui->frameClose->setSleepIndex(item);
}

// ---- versions and the firmware update ------------------------------------

void FormSetting::SetVer(int index)
{
    switch (index) {
    case FullRefresh:
        showVersions(true);
        break;
    case ClearReceiverNotice:
        updateRun->clearNotice(Target::Receiver);
        break;
    case ClearMouseNotice:
        updateRun->clearNotice(Target::Mouse);
        break;
    case ButtonCaption:
        ui->Receive_2->setText(updateButtonText);
        break;
    case UpdateStarts:
    case UpdateStartsShowingVersions:
        ui->Receive_2->setText(updateButtonText);
        updateRun->forgetOutcome();
        if (index == UpdateStartsShowingVersions)
            showVersions(false);
        break;
    case DeviceOpening:
        ui->label_5->clear();
        ui->label_7->clear();
        break;
    default:
        break;
    }
}

// A mouse on its cable shows the version of the receiver listed beside it.
// Looking for images needs the image folder; without it the update button
// keeps its look.
void FormSetting::showVersions(bool lookForImages)
{
    const DeviceAllInfo current = CurrentDevice.get();
    QString receiverVersion = current.version;
    QString mouseVersion;
    if (current.online) {
        const DeviceAllInfo *listed = current.isWired ? listedReceiverBesideCable() : nullptr;
        if (current.isWired)
            receiverVersion = listed ? listed->version : QString();
        mouseVersion = current.mouseVersion;
    }
    if (lookForImages && QDir(firmwareFolderPath()).exists()) {
        const int receiverClass = FirmwareUpdateRun::currentReceiverClass();
        g_mouseUpdateAvailable = hasFirmwareUpdate(MouseImage, mouseVersion, receiverClass);
        g_receiverUpdateAvailable = hasFirmwareUpdate(ReceiverImage, receiverVersion, receiverClass);
        showUpdateOffered(g_mouseUpdateAvailable || g_receiverUpdateAvailable);
    }
    ui->label_5->setText(receiverVersion);
    ui->label_7->setText(mouseVersion);
}

void FormSetting::SetVerText()
{
    ui->Receive_2->setText(upToDateText);
}

void FormSetting::SlotLabelText(int index, QString Text)
{
    if (index == 0) {
        ui->label_5->setText(Text);
        CurrentDevice.update([&Text](DeviceAllInfo &device) { device.version = Text; });
    } else if (index == 1) {
        ui->label_7->setText(Text);
        CurrentDevice.update([&Text](DeviceAllInfo &device) { device.mouseVersion = Text; });
    }
}

void FormSetting::SlotLabelTextB(QString TextA, QString Text)
{
    ui->label_5->setText(TextA);
    showUpdateOffered(Text == QLatin1String("true"));
}

void FormSetting::showUpdateOffered(bool offered)
{
    skin->setStyleSheet(
        ui->Receive_2,
        offered ? QStringLiteral("QToolButton{border:0px;background-position:center;background-repeat:no-repeat;"
                                 "color: rgb(%1);background-image: url(%2WaitUpdate.png);}"
                                 "QToolButton::hover{background-image: url(%2WaitUpdateHover.png);}")
                      .arg(buttonColour, skinFolder)
                : QStringLiteral("QToolButton{border:0px;background-position:center;background-repeat:no-repeat;"
                                 "color: rgb(%1);border-image: url(%2Confirm.png);}")
                      .arg(buttonColour, skinFolder));
}

void FormSetting::showNotice(Target target, bool shown)
{
    (target == Target::Receiver ? ui->toolButton_2 : ui->toolButton_3)->setVisible(shown);
}

// The update button opens the update dialog, ready to start, with a message
// why it cannot, or not at all when the firmware is up to date.
void FormSetting::on_Receive_2_clicked()
{
    if (ui->Receive_2->text() == upToDateText)
        return;
    updateRun->lookForReceiverImageAgain();
    placeDialog(g_repairDialog, this, -75, -65);
    g_repairDialog->setWindowModality(Qt::ApplicationModal);
    g_repairDialog->resetView();
    if (ChechIsUpDate()) {
        g_repairDialog->showReadyView();
    } else if (updateRun->receiverUpToDate()) {
        SetVerText();
        return;
    }
    // The one dialog may be older than the window it now stands over.
    g_repairDialog->show();
    g_repairDialog->raise();
}

void FormSetting::on_Start()
{
    g_repairDialog->showUpgradingView();
    updateRun->startOfferedRun();
}

void FormSetting::SlotContinue(int)
{
    updateRun->continueChain();
}

void FormSetting::SlotCheckUpdate()
{
    if (ChechIsUpDate())
        g_repairDialog->showReadyView();
}

bool FormSetting::ChechIsUpDate()
{
    QString message;
    if (updateRun->checkUpdate(&message))
        return true;
    if (!message.isEmpty()) {
        g_repairDialog->setMessage(message);
        g_repairDialog->showMessageView();
    }
    return false;
}
