#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QTimer;

// The settings page's firmware update of the receiver or the mouse. A run
// is a phase machine stepped by its target's one-second timer: find the
// image (0), count the devices to write and start the upgrade (1), wait for
// its result (2, 3), finish (4). A finished receiver run goes on with the
// mouse when that waits too. Progress and results reach the update dialog
// through the hub's SigProgress, new versions the page through
// SigLabelText; a run that ends with nothing to tell it says why
// (endedWithoutResult), so the dialog never keeps showing an upgrade that
// is over. The library's upgrade reports are handed to the GUI thread,
// where all of the run's state lives.
class FirmwareUpdateRun : public QObject
{
    Q_OBJECT

public:
    enum class Target { Receiver, Mouse };
    enum UpgradeState { Idle = 0, Running = 1, Succeeded = 2, Failed = 3, NothingToDo = 4 };
    // Why a target's notice mark shows.
    enum NoticeReason { NoNotice = 0, NoTarget = 1, SeveralTargets = 2 };

    // `deviceVersion` gives the version the page shows for a target.
    explicit FirmwareUpdateRun(std::function<QString(Target)> deviceVersion, QObject *parent = nullptr);
    ~FirmwareUpdateRun() override;

    void startReceiverRun();
    void startMouseRun();
    // The run the update dialog offered: the receiver, or the mouse when
    // only a mouse repair is pending.
    void startOfferedRun();
    // After a run: the other target's update, when one waits and this run
    // succeeded or had nothing to do.
    void continueChain();
    // Whether the connected devices and the images allow an update (see
    // UpdateReadiness); a ready update is the one startOfferedRun starts.
    // The message says why not.
    bool checkUpdate(QString *message);
    void clearNotice(Target target);
    // The last receiver run found no image; the update button tries again.
    bool receiverUpToDate() const { return receiverNoNewImage; }
    void lookForReceiverImageAgain() { receiverNoNewImage = false; }
    // A settings update or a device change: the notices go and the next
    // start looks for images again. A run in progress keeps its own state.
    void forgetOutcome();

    // The receiver class (1, 2, 4 or 8) of the chosen device's link: its own
    // kind, or for a mouse on its cable the receiver listed beside it; 0
    // when there is none.
    static int currentReceiverClass();

    int upgradeState(Target target) const { return state(target); }
    int noticeReason(Target target) const;
    bool isRunning(Target target) const;

signals:
    void noticeChanged(FirmwareUpdateRun::Target target, bool shown);
    // The update button's captions and looks.
    void upToDate();
    void updateOffered(bool offered);
    // A run the program chained found no target, or several, when the
    // update dialog has already told its result.
    void warningRaised(const QString &text);
    // The run the update dialog started, and whatever it chained, wrote no
    // image and ended without a result: `reason` says why.
    void endedWithoutResult(const QString &reason);

private:
    // A target's timer steps a run, this one or one it chained.
    bool runInProgress() const;
    void step(Target target);
    void findImage(Target target);
    void countTargetsAndStart(Target target);
    bool loadReceiverImage();
    void startUpgrade(Target target);
    void finishRun(Target target);
    void finishTarget(Target target);
    void handleReport(const QByteArray &report);
    void reportSuccess();
    void reportFailure();
    void showNoTarget(Target target, int targets);
    void endWithNothingToDo(Target target);
    void begin(Target target);
    void tellResult(int step);
    void endIfOver();

    int &state(Target target);
    int state(Target target) const;
    bool &noNewImage(Target target);
    int &noticeReasonOf(Target target);
    int *bootCountOf(int receiverClass);

    static void upgradeCallback(const unsigned char *report);
    static FirmwareUpdateRun *s_current;

    std::function<QString(Target)> deviceVersion;
    QTimer *dongleCheckTimer;
    QTimer *mouseCheckTimer;

    int updatePhase = 0;
    bool receiverUpdateRunning = false;
    bool mouseUpdateRunning = false;
    bool receiverNoNewImage = false;
    bool mouseNoNewImage = false;
    bool chainedUpdate = false;
    int receiverNoticeReason = NoNotice;
    int mouseNoticeReason = NoNotice;
    // Devices in boot mode for the receiver image of class 1, 2, 4 and 8.
    std::array<int, 4> bootCounts = {};
    QStringList receiverTargets;
    bool mouseRepairPending = false;
    QString receiverIdent;
    // The image being written, kept whole while the library reads it, and
    // the failure record its write replaced.
    QByteArray upgradingImage;
    QString recordBeforeWrite;
    // Since the update dialog's start: an image was written, the dialog
    // was told a result, and why the last run wrote nothing.
    bool imageWritten = false;
    bool resultTold = false;
    QString endReason;

    int receiverUpgradeState = Idle;
    int mouseUpgradeState = Idle;
    int upgradeKind = 0;
    int configCid = 0;
    int configMid = 0;
    // How many images the update dialog's run writes; it splits the bar.
    int upgradeImageCount = 1;
    int receiverClass = 0;
};
