#pragma once

#include <QFrame>

namespace Ui {
class DebouncetimeC;
}

// The debounce time in a value box stepped by "+" and "-" buttons, 0 to
// 20 ms. A step is sent while the device page is live, without a notice.
class DebouncetimeC : public QFrame
{
    Q_OBJECT

public:
    explicit DebouncetimeC(QWidget *parent = nullptr);
    ~DebouncetimeC() override;

    // Shows `value` without sending it.
    void setDebounceValue(int value);
    // The unit behind the value.
    void setValueSuffix(const QString &text);

private slots:
    void on_AddLevelA_clicked();
    void on_ReduceLevelA_clicked();

private:
    void showAndSend(int value);

    Ui::DebouncetimeC *ui;
    const QString picturePath;
};
