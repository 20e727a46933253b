#pragma once

#include <QFrame>

class QLabel;
class QToolButton;

// What the on/off sensor panels share: a picture toggle whose click sends 1
// or 0 through the feature's sender while the device page is live, and a
// title whose tooltip explains the feature. Programmatic changes of the
// toggle never send. Each panel builds its own form and hands over its
// toggle and title.
class SwitchPanel : public QFrame
{
    Q_OBJECT

public:
    void setSwitchChecked(bool on);
    void setTitleText(const QString &text);
    void setTitleToolTip(const QString &text);

protected:
    using Sender = bool (*)(int);

    SwitchPanel(Sender sender, QWidget *parent);

    // Styles and connects the form's toggle and title once setupUi has built them.
    void adoptForm(QToolButton *toggle, QLabel *title);

private:
    void sendSwitch(bool checked) const;

    const Sender m_sender;
    QToolButton *m_toggle = nullptr;
    QLabel *m_title = nullptr;
};
