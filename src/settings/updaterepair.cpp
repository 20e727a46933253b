#include "updaterepair.h"

#include "deferredskin.h"
#include "languagetables.h"
#include "pagestate.h"
#include "postmsg.h"
#include "progressstep.h"
#include "ui_updaterepair.h"

#include <QShortcut>

UpDateRepair *g_repairDialog = nullptr;

namespace {

// "AutoRepair" positions.
enum RepairText {
    ToolText = 0, Cancel = 1, Confirm = 2, UpdateNotMove = 3, UpdateFail = 6, UpdateSuccess = 7,
    StartUpdate = 8, ReadyUpdate = 16, MouseWaits = 17
};

// The start or confirm button, for the Enter keys, when it is offered.
void clickWhenOffered(QToolButton *button)
{
    if (button->isVisible() && button->isEnabled())
        button->click();
}

} // namespace

UpDateRepair::UpDateRepair(QWidget *parent)
    : LanguageDialog(parent)
    , ui(new Ui::UpDateRepair)
    , repairRun(new FirmwareRepairRun(this))
{
    ui->setupUi(this);
    applySkin(ui->AutoRepair, ui->ToolText, ui->CloseButton, {});
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
    skin->setStyleSheet(ui->AutoRepair,
                        QStringLiteral("#AutoRepair{border:0px;background-position:center;"
                                       "background-repeat:no-repeat;border-image: url(%1BackGround.png);}")
                            .arg(picturePath));
    skin->setStyleSheet(ui->ToolText,
                        QStringLiteral("#ToolText{color: rgb(255,255,255);background-color:rgba(0,0,0,0);}"));
    skin->setStyleSheet(ui->ToolText_2,
                        QStringLiteral("#ToolText_2{color: rgb(255,0,0);background-color:rgba(0,0,0,0);}"));
    const QString buttonStyle =
        QStringLiteral("QToolButton{border:0px;background-position:center;background-repeat:no-repeat;"
                       "color: rgb(255,255,255);border-image: url(%1ok_nr.png);}"
                       "QToolButton:hover{border-image: url(%1ok_enter.png); }")
            .arg(picturePath);
    skin->setStyleSheet(ui->NewHong, buttonStyle);
    skin->setStyleSheet(ui->NewHong_2, buttonStyle);
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, [this] { clickWhenOffered(ui->NewHong_2); });
    ui->NewHong->hide();
    ui->progressBar_2->hide();
    ui->NewHong_2->hide();
    ui->ToolText_2->hide();
    PostMsg *hub = PostMsg::instance();
    connect(hub, SIGNAL(SigAutoRepair(int)), this, SLOT(SlotAutoRepair(int)));
    connect(hub, SIGNAL(SigAutoRepairProgress(int)), this, SLOT(SlotAutoRepairProgress(int)));
    connect(hub, SIGNAL(SigProgress(int,int)), this, SLOT(SlotProgress(int,int)));
    connect(hub, SIGNAL(SigRepairCheckUpdate()), this, SLOT(SlotRepairCheckUpdate()));
    followLanguage();
}

UpDateRepair::~UpDateRepair()
{
    delete ui;
}

void UpDateRepair::SlotAllLanguage(int index)
{
    const auto text = [index](int position) { return languageText(LanguageSection::AutoRepair, index, position); };
    ui->ToolText->setText(text(ToolText));
    cancelText = text(Cancel);
    confirmText = text(Confirm);
    updateNotMoveText = text(UpdateNotMove);
    updateFailText = text(UpdateFail);
    updateSuccessText = text(UpdateSuccess);
    mouseWaitsText = text(MouseWaits);
    startText = text(StartUpdate);
    readyText = text(ReadyUpdate);
}

void UpDateRepair::resetView()
{
    view = View::Start;
    ui->NewHong->setEnabled(true);
    ui->CloseButton->setEnabled(true);
    ui->NewHong_2->setText(startText);
    ui->ToolText_2->clear();
    ui->ToolText_2->show();
    ui->NewHong_2->show();
    ui->NewHong->show();
    ui->CloseButton->show();
    ui->progressBar_2->setValue(0);
    ui->progressBar_2->hide();
    ui->NewHong->setText(cancelText);
}

void UpDateRepair::showReadyView()
{
    view = View::Ready;
    ui->NewHong_2->setText(startText);
    ui->NewHong_2->show();
    ui->NewHong->show();
    ui->CloseButton->show();
    ui->NewHong->setEnabled(true);
    ui->CloseButton->setEnabled(true);
    ui->ToolText_2->setText(readyText);
    ui->ToolText_2->show();
    ui->progressBar_2->hide();
    ui->NewHong->setText(cancelText);
}

void UpDateRepair::showMessageView()
{
    view = View::Message;
    ui->NewHong->setEnabled(true);
    ui->CloseButton->setEnabled(true);
    ui->ToolText_2->show();
    ui->NewHong_2->show();
    ui->NewHong_2->setText(confirmText);
    ui->NewHong->show();
    ui->CloseButton->show();
    ui->progressBar_2->hide();
}

void UpDateRepair::showUpgradingView()
{
    view = View::Upgrading;
    ui->NewHong_2->hide();
    ui->NewHong->hide();
    ui->CloseButton->show();
    ui->NewHong->setEnabled(false);
    ui->CloseButton->setEnabled(false);
    ui->ToolText_2->setText(updateNotMoveText);
    ui->progressBar_2->show();
}

void UpDateRepair::endUpgradingView(const QString &message)
{
    if (view != View::Upgrading)
        return;
    setMessage(message);
    showMessageView();
}

void UpDateRepair::setMessage(const QString &text)
{
    ui->ToolText_2->setText(text);
}

// A result brings the buttons back, and with them the way out.
void UpDateRepair::showResult(const QString &message)
{
    view = View::Result;
    ui->ToolText_2->setText(message);
    ui->ToolText_2->show();
    ui->NewHong->show();
    ui->CloseButton->setEnabled(true);
    ui->NewHong->setEnabled(true);
}

void UpDateRepair::SlotProgress(int schedue, int Discrib)
{
    switch (Discrib) {
    case ShowProgress:
        ui->progressBar_2->setValue(schedue);
        break;
    case ShowFailure:
        ui->NewHong_2->setText(confirmText);
        ui->NewHong_2->show();
        showResult(updateFailText);
        break;
    case ShowSuccess:
        ui->NewHong_2->setText(confirmText);
        ui->progressBar_2->setValue(100);
        ui->NewHong_2->show();
        showResult(updateSuccessText);
        break;
    case 3:
        ui->NewHong->hide();
        break;
    case 4:
        ui->NewHong->hide();
        ui->progressBar_2->setValue(0);
        break;
    case ShowHalfDone:
    case ShowRepairHalfDone:
        ui->NewHong_2->setText(confirmText);
        ui->NewHong_2->show();
        ui->progressBar_2->setValue(50);
        // Only a repair has mended something to speak of.
        showResult(Discrib == ShowRepairHalfDone ? mouseWaitsText : updateFailText);
        break;
    case ShowRepairFailure:
        showResult(updateFailText);
        break;
    default:
        break;
    }
}

void UpDateRepair::SlotAutoRepair(int index)
{
    ui->ToolText_2->setText(index != 0 ? updateFailText : updateSuccessText);
    ui->NewHong_2->setText(confirmText);
    ui->NewHong->show();
}

void UpDateRepair::SlotAutoRepairProgress(int index)
{
    ui->progressBar_2->setValue(index);
}

void UpDateRepair::on_CloseButton_clicked()
{
    closeAfterUpgrade();
}

void UpDateRepair::on_NewHong_clicked()
{
    closeAfterUpgrade();
}

// After a finished upgrade the page learns the new versions; one that did
// not finish sends the frame back to the device selection.
void UpDateRepair::closeAfterUpgrade()
{
    if (repairRun->progressSeen())
        return;
    if (!ui->progressBar_2->isHidden()) {
        if (ui->progressBar_2->value() == 100)
            emit PostMsg::instance()->SigSetNewVer();
        else if (g_devicePageState != 0)
            emit PostMsg::instance()->SigChangeMainDialog(0);
    }
    LanguageDialog::reject();
}

void UpDateRepair::on_NewHong_2_clicked()
{
    switch (view) {
    case View::Upgrading:
    case View::Result:
        closeAfterUpgrade();
        break;
    case View::Message:
        LanguageDialog::reject();
        break;
    case View::Start:
    case View::Ready:
        if (g_devicePageState != 0)
            emit PostMsg::instance()->SigUpdateStart();
        else
            startRepair();
        break;
    }
}

void UpDateRepair::SlotRepairCheckUpdate()
{
    QString message;
    showOutcome(repairRun->checkRepairNeeded(&message), message);
}

void UpDateRepair::startUpgrade(const DeviceAllInfo &device)
{
    repairRun->prepareDirect(device);
    startRepair();
}

void UpDateRepair::startRepair()
{
    QString message;
    showOutcome(repairRun->startFirmwareUpgrade(&message), message);
}

void UpDateRepair::showOutcome(FirmwareRepairRun::Outcome outcome, const QString &message)
{
    switch (outcome) {
    case FirmwareRepairRun::Outcome::Ready:
        showReadyView();
        break;
    case FirmwareRepairRun::Outcome::Started:
        showUpgradingView();
        break;
    case FirmwareRepairRun::Outcome::Refused:
        setMessage(message);
        showMessageView();
        break;
    case FirmwareRepairRun::Outcome::Nothing:
        break;
    }
}

// Esc and the window manager's close act as the cancel button, and not at
// all while an upgrade runs.
void UpDateRepair::reject()
{
    if (view != View::Upgrading)
        closeAfterUpgrade();
}

void UpDateRepair::showEvent(QShowEvent *event)
{
    g_repairDialogVisible = true;
    LanguageDialog::showEvent(event);
}

void UpDateRepair::hideEvent(QHideEvent *event)
{
    g_repairDialogVisible = false;
    LanguageDialog::hideEvent(event);
}
