#pragma once

#include "deviceallinfo.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// The update dialog's own upgrade, on the device-selection page: the repair
// of a firmware update that failed, which the registry's failure record
// names, or the receiver upgrade the top-level window starts directly. The
// receiver's image goes first, then the mouse's. The library's reports are
// handed to the GUI thread, where all of the run's state lives; progress and
// results reach the dialog through the hub (SigAutoRepairProgress,
// SigAutoRepair, SigProgress) and the selection page's repair button
// through SigUpDateButton. One upgrade runs at a time.
class FirmwareRepairRun : public QObject
{
    Q_OBJECT

public:
    enum class Outcome { Nothing, Ready, Refused, Started };

    explicit FirmwareRepairRun(QObject *parent = nullptr);
    ~FirmwareRepairRun() override;

    // Whether the connected devices and the images allow the repair: Ready,
    // or Refused with the message that says why; Nothing without a failure
    // record.
    Outcome checkRepairNeeded(QString *message);
    // The direct road: the images of `device`'s model and its receiver's
    // class, without a failure record to repair.
    void prepareDirect(const DeviceAllInfo &device);
    // Starts the receiver's image, else the mouse's: Started, Refused with
    // the message when there is no image or the library refuses, Nothing
    // while no image is ready.
    Outcome startFirmwareUpgrade(QString *message);
    // From the first progress report until the result.
    bool progressSeen() const { return progressReported; }

private:
    Outcome refuse(int textPosition, QString *message) const;
    int deviceCountRefusal(const QString &midText) const;
    int deviceKindRefusal(const QString &midText) const;
    int listedReceiverCount(const QString &classText) const;
    void findModel(const QString &midText, const QString &classText);
    void findImages();
    bool mouseOnCable() const;
    bool startImage();
    int stageKind() const;
    void handleReport(const QByteArray &report);
    void finishStage(bool succeeded);
    void reportFailure();
    void endUpgrade();

    static void upgradeProgressCallback(const unsigned char *report);
    static FirmwareRepairRun *s_running;

    bool directStart = false;
    bool imageReady = false;
    int failedKind = 0;
    QString modelGroup;
    QString receiverIdentifier;
    QString mouseIdentifier;
    int receiverClass = 0;
    int cid = 0;
    int mid = 0;
    // 0 while the receiver's image is written, 1 the mouse's.
    int stage = 0;
    // The stage whose success ends the failure record, -1 for none.
    int finalStage = -1;
    // Two images share the progress bar.
    int imageCount = 1;
    bool progressReported = false;
    // The image being written, kept whole while the library reads it, and
    // the failure record its write replaced.
    QByteArray upgradingImage;
    QString recordBeforeWrite;
};
