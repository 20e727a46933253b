#pragma once

#include <QFrame>

namespace Ui {
class DebouncetimeB;
}

// The debounce time on a slider of 1 to 20 ms beside a value box. A
// committed value is sent while the device page is live, without a notice.
class DebouncetimeB : public QFrame
{
    Q_OBJECT

public:
    explicit DebouncetimeB(QWidget *parent = nullptr);
    ~DebouncetimeB() override;

    // Shows `value` on the slider and in the box without sending it.
    void setDebounceValue(int value);
    // The unit behind the value.
    void setValueSuffix(const QString &text);

private slots:
    void on_Debunce_sliderMoved(int position);
    void on_Debunce_valueChanged(int value);

private:
    Ui::DebouncetimeB *ui;
    const QString picturePath;
};
