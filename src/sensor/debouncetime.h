#pragma once

#include <QFrame>

namespace Ui {
class DebounceTime;
}

// The mouse buttons' debounce time, 0 to 20 ms, as a list of 21 entries
// whose index is the time. A choice is sent while the device page is live;
// 7 ms or less also warns that short times may double a click, unless the
// key-assignment page is filling itself from device data.
class DebounceTime : public QFrame
{
    Q_OBJECT

public:
    explicit DebounceTime(QWidget *parent = nullptr);
    ~DebounceTime() override;

    // Makes entry `index` current; the change is handled as a choice.
    void setDebounceIndex(int index);
    int debounceIndex() const;
    // Entry `index` reads the number `index` followed by `text`.
    void setNumberedItemText(int index, const QString &text);

private slots:
    void on_Debunce_currentIndexChanged(int index);

private:
    Ui::DebounceTime *ui;
    const QString picturePath;
};
