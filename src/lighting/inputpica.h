#pragma once

#include "mythread.h"
#include "screendialog.h"

class QTimer;

namespace Ui {
class InputPicA;
}

// The receiver-screen dialog with four upright picture slots. It also keeps
// the receiver screen's clock: once startScreenWatch has run, every tenth
// second it sends the computer's date and time to the first screen device
// found. Nothing in the program starts the watch, and nothing starts its
// thread.
class InputPicA : public ScreenDialog
{
    Q_OBJECT

public:
    explicit InputPicA(QWidget *parent = nullptr);
    ~InputPicA() override;

    // On: starts the clock ticks and makes enumerateScreenDevices the
    // library's hot-plug callback, in place of the one registered before.
    // Off changes nothing: once started, the ticks run while the dialog
    // lives.
    void startScreenWatch(bool on);

private slots:
    void onEraseChipTimeTimer();

private:
    Ui::InputPicA *ui;
    QTimer *m_clockTimer;
    int m_ticks = 0;
    MyThread m_thread;
};
