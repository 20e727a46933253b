#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>

class QTimer;

namespace Ui {
class Match;
}

// The dialog that pairs a mouse with its receiver. Its button (or Space)
// puts the receiver into pairing for the program's customer id; the user
// puts the mouse into pairing by hand. While an attempt runs the dialog
// asks for the pairing status once a second and watches that the target is
// still there; the button's caption and picture show the outcome. During
// an attempt the library's device events go to the dialog's callback, and
// on the configuration frame the device page stands still.
//
// Build it, call prepare(), place it and exec() it. Its close button is
// refused while an attempt runs; every way it closes ends a running
// attempt and registers the selection page's hot-plug callback again.
class Match : public QDialog
{
    Q_OBJECT

public:
    explicit Match(QWidget *parent = nullptr);
    ~Match() override;

    // Chooses the target: on the configuration frame the chosen device,
    // else g_matchTargetPath when g_matchOpen is set, else the first device
    // the selection page found.
    void prepare();
    // It closed (rather than the program ending while it was open).
    bool closedItself() const { return closed; }
    // Its last attempt paired the receiver with a mouse.
    bool paired() const { return pairState == Succeeded; }

    // The library's pairing callback, on its event thread: a pairing status
    // reaches the dialog through the hub.
    static void onPairResult(const unsigned char *header, int headerLength, const unsigned char *payload,
                             int payloadLength);

public slots:
    void WindowClosedSet();
    void on_MatchButton_clicked();
    void onPairTimeupDestroy();
    void onUSBTimeupDestroy();
    void onTextTimeupDestroy();
    void SlotStopTimer();
    // 1 paired, 0 failed.
    void SlotButtonenable(int index);
    void SlotAllLanguage(int index);

protected:
    void changeEvent(QEvent *event) override;
    void done(int result) override;

private:
    enum PairState { Ready = 0, Pairing = 1, Succeeded = 2, Failed = 3 };

    void startPairing();
    void endAttempt(PairState outcome);
    void showButton(const QString &caption, const char *picture);

    Ui::Match *ui;
    const QString picturePath;
    QTimer *enableTimer;
    QTimer *pollTimer;
    QTimer *textTimer;

    QString targetPath;
    QString vendorId;
    QString productId;
    std::uint8_t customerId = 0;
    bool targetWired = false;
    bool buttonEnabled = false;

    bool pairingActive = false;
    PairState pairState = Ready;
    int dotCount = 0;
    // The attempt took the configuration frame's device page off the device.
    bool pageSuspended = false;
    bool closed = false;

    QString startCaption;
    QString pairingCaption;
    QString failedCaption;
    QString succeededCaption;
};
