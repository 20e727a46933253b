#include "dialog.h"

#include "appinfo.h"
#include "buttoninterface.h"
#include "crashhandler.h"
#include "deferredskin.h"
#include "devicecache.h"
#include "dialogplacement.h"
#include "eventwait.h"
#include "formsetting.h"
#include "macro.h"
#include "pagebackground.h"
#include "postmsg.h"
#include "sensor.h"
#include "ui_dialog.h"
#include "updataparam.h"

#include <HIDUsb.h>

#include <QButtonGroup>
#include <QKeyEvent>

namespace {

// How long the way back gives the device to take the driver's state.
constexpr int LeaveWait = 100;
// Below this battery level the bar turns red.
constexpr int LowBattery = 16;

QString url(const QString &folder, const char *picture)
{
    return QStringLiteral("url(") + folder + QLatin1String(picture) + QLatin1Char(')');
}

// A button drawn from its normal and hover pictures, and a third for the
// state named by `state` ("checked" or "pressed").
QString buttonStyle(const QString &folder, const char *normal, const char *hover, const char *third,
                    const char *state)
{
    return QStringLiteral("QToolButton{border:0px;background-image: %1;background-position:center;"
                          "background-repeat:no-repeat;}"
                          "QToolButton:hover{background-image: %2;}"
                          "QToolButton:%4{background-image: %3;}")
        .arg(url(folder, normal), url(folder, hover), url(folder, third), QLatin1String(state));
}

} // namespace

Dialog::Dialog(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::Dialog)
    , picturePath(programFolderPath() + QStringLiteral("/Picture/Dialog/"))
{
    ui->setupUi(this);
    // The frame shows only once a device is opened: its pictures wait until then.
    skin = new DeferredSkin(this);
    ui->LightsButton->hide();
    ui->line_6->hide();
    skin->setStyleSheet(ui->frame_2,
                        QStringLiteral("#frame_2{border-image: %1;}").arg(url(picturePath, "BGButtons.png")));
    // Only this frame: the sensor page has a panel of the same name.
    skin->setStyleSheet(ui->frame_3, pageBackgroundStyle(QStringLiteral("Dialog > #frame_3"),
                                                         picturePath + QStringLiteral("PageBack.png")));

    keyPage = new Buttoninterface(this);
    macroPage = new Macro(this);
    sensorPage = new Sensor(this);
    settingPage = new FormSetting(this);
    ui->stackedWidgetDialog->addWidget(keyPage);
    ui->stackedWidgetDialog->addWidget(sensorPage);
    ui->stackedWidgetDialog->addWidget(macroPage);
    ui->stackedWidgetDialog->addWidget(settingPage);

    skinButtons();

    pageButtonGroup = new QButtonGroup(this);
    pageButtonGroup->setExclusive(true);
    for (QAbstractButton *button : {ui->ButtonMain, ui->MacroButton, ui->LightsButton, ui->SensorButton,
                                    ui->FormSetting})
        pageButtonGroup->addButton(button);
    connect(ui->MinButton, SIGNAL(clicked()), this, SLOT(WindowMin()));
    ui->ButtonMain->setChecked(true);

    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
    setFixedSize(width(), height());
    CrashHandler(dataFolderPath() + QStringLiteral("/Exception")).installCrashHandler();

    ui->stackedWidgetDialog->setCurrentWidget(keyPage);
    PostMsg *hub = PostMsg::instance();
    connect(hub, SIGNAL(SigSecondPageChange()), this, SLOT(SlotSecondDialog()));
    connect(hub, SIGNAL(SigUpDataParam(int)), this, SLOT(SlotUpDataParam(int)));
    connect(hub, SIGNAL(SigStartRecord(int)), this, SLOT(SlotStartRecord(int)));
    connect(hub, SIGNAL(SigBattery(bool,int,bool)), this, SLOT(SlotBattery(bool,int,bool)),
            Qt::BlockingQueuedConnection);
    ui->label_3->hide();
}

// The key page goes first: it stops the device worker, which may still be
// handing a record to the other pages.
Dialog::~Dialog()
{
    delete keyPage;
    delete macroPage;
    delete sensorPage;
    delete settingPage;
    delete updateWaitDialog;
    delete ui;
}

void Dialog::skinButtons()
{
    skin->setStyleSheet(ui->label_2, QStringLiteral("color: rgb(255, 255, 255);"));
    skin->setStyleSheet(ui->BatteryButtonC, QStringLiteral("border:0px;background-image: %1;background-position:center;"
                                                           "background-repeat:no-repeat;")
                                                .arg(url(picturePath, "Battery.png")));
    skin->setStyleSheet(ui->label, QStringLiteral("border:0px;background-image: %1;background-position:center;"
                                                  "background-repeat:no-repeat;")
                                       .arg(url(picturePath, "Charg.png")));
    const QString &folder = picturePath;
    skin->setStyleSheet(ui->ButtonMain, buttonStyle(folder, "Home.png", "HomeHover.png", "HomeChecked.png", "checked"));
    skin->setStyleSheet(ui->SensorButton,
                        buttonStyle(folder, "Sensor.png", "SensorHover.png", "SensorChecked.png", "checked"));
    skin->setStyleSheet(ui->MacroButton,
                        buttonStyle(folder, "Macro.png", "MacroHover.png", "MacroChecked.png", "checked"));
    skin->setStyleSheet(ui->FormSetting,
                        buttonStyle(folder, "Setting.png", "SettingHover.png", "SettingClick.png", "checked"));
    skin->setStyleSheet(ui->LightsButton,
                        buttonStyle(folder, "Light.png", "LightHover.png", "LightChecked.png", "checked"));
    skin->setStyleSheet(ui->SetButton,
                        buttonStyle(folder, "Setting.png", "SettingHover.png", "SettingClick.png", "pressed"));
    skin->setStyleSheet(ui->MinButton, buttonStyle(folder, "Min.png", "MinHover.png", "MinClick.png", "pressed"));
    skin->setStyleSheet(ui->CloseButton,
                        buttonStyle(folder, "Close.png", "CloseHover.png", "CloseClick.png", "pressed"));
    skin->setStyleSheet(ui->UpArrow,
                        buttonStyle(folder, "PageChange.png", "PageChangeHover.png", "PageChangeClick.png", "pressed"));
    ui->label->hide();
    ui->SetButton->hide();
}

void Dialog::showPage(QWidget *page, const char *background)
{
    skin->setStyleSheet(ui->frame_2,
                        QStringLiteral("#frame_2{border-image: %1;}").arg(url(picturePath, background)));
    if (page)
        ui->stackedWidgetDialog->setCurrentWidget(page);
}

void Dialog::on_ButtonMain_clicked()
{
    showPage(keyPage, "BGButtons.png");
    emit PostMsg::instance()->SigAddMacroButton();
}

void Dialog::on_SensorButton_clicked()
{
    showPage(sensorPage, "BackGround.png");
}

void Dialog::on_MacroButton_clicked()
{
    showPage(macroPage, "BackGround.png");
}

void Dialog::on_FormSetting_clicked()
{
    showPage(settingPage, "BackGround.png");
}

// The lighting page is not placed in the frame.
void Dialog::on_LightsButton_clicked()
{
    showPage(nullptr, "BackGround.png");
}

void Dialog::SlotSecondDialog()
{
    ui->ButtonMain->setChecked(true);
    showPage(keyPage, "BGButtons.png");
}

void Dialog::SlotStartRecord(int index)
{
    if (index != 0 && index != 1)
        return;
    for (QWidget *button : {ui->ButtonMain, ui->SensorButton, ui->LightsButton, ui->MacroButton, ui->FormSetting})
        button->setEnabled(index == 1);
}

// A request while the wait shows only starts its time again. The wait is
// made on the first request, not with the frame: built at start-up and
// skinned only as it first showed, it was seen as a black box on the screen
// for its whole first show, while a wait made just before it shows (as the
// key page's are) always drew its text.
void Dialog::SlotUpDataParam(int index)
{
    if (!updateWaitDialog)
        updateWaitDialog = new UpDataParam;
    updateWaitDialog->startCloseTimer();
    if (index == 1)
        updateWaitDialog->waitMode = true;
    if (updateWaitDialog->isVisible())
        return;
    placeDialog(updateWaitDialog, this, 0, -20);
    updateWaitDialog->exec();
}

void Dialog::SlotBattery(bool IsCharg, int Number, bool IsText)
{
    ui->label->setVisible(IsCharg);
    ui->progressBar->setValue(Number);
    ui->label_2->setText(IsText ? QString::number(Number) + QLatin1Char('%') : QString::number(Number));
    const char *chunk = Number < LowBattery ? "239, 50, 64" : "255, 255, 255";
    ui->progressBar->setStyleSheet(QStringLiteral("#progressBar{border: none;background-color: transparent;}"
                                                  "#progressBar::chunk {background-color: rgb(%1);}")
                                       .arg(QLatin1String(chunk)));
}

void Dialog::on_CloseButton_clicked()
{
    saveChosenDeviceCache();
    emit PostMsg::instance()->SigChangeSize(1);
}

void Dialog::WindowMin()
{
    emit PostMsg::instance()->SigChangeSize(0);
}

void Dialog::sendSavedMacros()
{
    keyPage->sendSavedMacros();
}

void Dialog::on_UpArrow_clicked()
{
    sendSavedMacros();
    UsbServer_SetPCDriverStatus(0);
    saveChosenDeviceCache();
    ui->ButtonMain->setChecked(true);
    // A quit in the meantime has stopped the library for good.
    if (!waitWithEvents(LeaveWait))
        return;
    UsbServer_Exit();
    PostMsg *hub = PostMsg::instance();
    emit hub->SigChangeMainDialog(0);
    emit hub->SigSetMacroPage();
}

void Dialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F12)
        return;
    QWidget::keyPressEvent(event);
}

void Dialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
