#pragma once

#include "deviceallinfo.h"
#include "firmwarerepairrun.h"
#include "languagedialog.h"

namespace Ui {
class UpDateRepair;
}

// The firmware update dialog: its fixed instruction, a message, the
// progress of an upgrade and two buttons. On the configuration frame the
// settings page readies it with the views below and drives its progress
// and result through the hub's SigProgress; its start button then asks the
// page to update (SigUpdateStart). On the device-selection page it repairs
// a failed update itself (SigRepairCheckUpdate checks whether it can, its
// start button starts it), or upgrades a receiver directly. It cannot be
// closed while it shows an upgrade in progress, and every upgrade ends in
// a result or a message. One instance, g_repairDialog,
// serves the whole program; the top-level window makes one of its own for
// the direct upgrade.
class UpDateRepair : public LanguageDialog
{
    Q_OBJECT

public:
    explicit UpDateRepair(QWidget *parent = nullptr);
    ~UpDateRepair() override;

    // Back to the first view: start and cancel, no message, no progress.
    void resetView();
    // Ready to start: the ready message, start and cancel.
    void showReadyView();
    // A message (setMessage) with a confirm button.
    void showMessageView();
    // Upgrading: the do-not-unplug message and the progress bar only.
    void showUpgradingView();
    // The upgrade it shows ended without a result: the message view, with
    // `message`. Any other view stays.
    void endUpgradingView(const QString &message);
    void setMessage(const QString &text);
    // Upgrades the receiver `device` is linked through (and its mouse, when
    // it is on its cable) without the repair check.
    void startUpgrade(const DeviceAllInfo &device);

public slots:
    void SlotAutoRepair(int index);
    void SlotAutoRepairProgress(int index);
    void SlotAllLanguage(int index) override;
    // `Discrib`: a ProgressStep.
    void SlotProgress(int schedue, int Discrib);
    // Whether a failed update can be repaired now: the ready view, or why not.
    void SlotRepairCheckUpdate();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();
    void on_NewHong_2_clicked();

private:
    // Only the upgrading view holds the user.
    enum class View { Start, Ready, Message, Upgrading, Result };

    void reject() override;
    void showResult(const QString &message);
    void closeAfterUpgrade();
    void startRepair();
    void showOutcome(FirmwareRepairRun::Outcome outcome, const QString &message);

    Ui::UpDateRepair *ui;
    FirmwareRepairRun *repairRun;
    View view = View::Start;
    // The "AutoRepair" texts by their element names.
    QString cancelText;
    QString confirmText;
    QString updateNotMoveText;
    QString updateFailText;
    QString updateSuccessText;
    QString mouseWaitsText;
    QString startText;
    QString readyText;
};

// The program's one update dialog, made by the settings page with no
// parent, hidden, and never destroyed. GUI thread only.
extern UpDateRepair *g_repairDialog;
