#pragma once

#include <QFrame>

namespace Ui {
class StopCloseTimeB;
}

// The sleep time on a slider of the same eleven times as StopCloseTime,
// beside a box showing the time in seconds or minutes. A committed position
// is sent under the same rules as a choice from the list.
class StopCloseTimeB : public QFrame
{
    Q_OBJECT

public:
    explicit StopCloseTimeB(QWidget *parent = nullptr);
    ~StopCloseTimeB() override;

    // Shows entry `index` without sending anything.
    void setSleepIndex(int index);
    // Takes the units from the list's texts: entry 0 ("10" and the seconds)
    // and entry 5 ("15" and the minutes); other entries are ignored.
    void setItemText(int index, const QString &text);

private slots:
    void on_StopClose_sliderMoved(int position);
    void on_StopClose_valueChanged(int value);

private:
    void showPosition(int position);

    Ui::StopCloseTimeB *ui;
    const QString picturePath;
    QString secondsSuffix;
    QString minutesSuffix;
};
