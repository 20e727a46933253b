#pragma once

#include <QFrame>

#include <array>

class QAbstractButton;
class QButtonGroup;
class QLabel;

// What the polling-rate panels share: seven exclusive rate controls for
// 125 Hz to 8000 Hz, of which the receiver's rate mode hides the fastest.
// A click on a rate sends its code while the device page is live and, once
// the record went to the device, tells the hub whether the rate is 2000 Hz
// or more. Programmatic checks never send.
class RatePanel : public QFrame
{
    Q_OBJECT

public:
    static constexpr int RateCount = 7;

    // The rate control of a device rate code, or -1 for a code no control has.
    static int indexOfRateCode(int code);

    // Checks the control of `index` (0 = 125 Hz ... 6 = 8000 Hz), hidden or not.
    void setRateChecked(int index);
    // 0: up to 1000 Hz, 1: up to 4000 Hz, 2: up to 2000 Hz, 3: up to 8000 Hz.
    void setRateMode(int mode);
    void setTitleText(const QString &text);

protected:
    using RateButtons = std::array<QAbstractButton *, RateCount>;

    explicit RatePanel(QWidget *parent);

    // Groups and connects the form's rate controls, in rate order, once
    // setupUi has built them.
    void adoptForm(const RateButtons &buttons, QLabel *title);

private:
    void rateClicked(int index, bool checked) const;

    QButtonGroup *m_group;
    RateButtons m_buttons = {};
    QLabel *m_title = nullptr;
};
