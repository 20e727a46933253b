#pragma once

#include <QFrame>

namespace Ui {
class StopCloseTime;
}

// How long the mouse waits idle before it sleeps: a list of eleven times
// from 10 seconds to 40 minutes. A user's choice goes to the device in units
// of 10 seconds while the device pages are live and the key-assignment page
// is not filling itself; the page that holds the panel shows the device's
// time and sets the texts.
class StopCloseTime : public QFrame
{
    Q_OBJECT

public:
    explicit StopCloseTime(QWidget *parent = nullptr);
    ~StopCloseTime() override;

    // Shows entry `index` without sending anything.
    void setSleepIndex(int index);
    void setItemText(int index, const QString &text);
    // The entry for a time in seconds (10, 30, 60, 300, ... 2400), -1 for
    // a time the list does not hold.
    static int indexOfSeconds(int seconds);
    // The idle time of entry `index` in units of 10 seconds, -1 for an
    // entry the list does not hold.
    static int sleepTimeAt(int index);
    // Sends entry `index`'s time while the device pages are live and the
    // key page is not filling itself.
    static void sendSleepTime(int index);

private slots:
    void on_StopClose_activated(int index);

private:
    Ui::StopCloseTime *ui;
    const QString picturePath;
};
