#pragma once

#include "deviceallinfo.h"

#include <QDialog>

class QButtonGroup;

namespace Ui {
class LedInfo;
}

// What the LED indicator on the 4000 Hz receiver can show: three exclusive
// choices with their descriptions, the one the receiver reports checked. It
// only shows: a choice sends nothing (the settings page's own choices set
// the indicator). The settings page holds one; nothing shows it, so it
// shows the texts of its form, while it follows the receiver's reports.
class LedInfo : public QDialog
{
    Q_OBJECT

public:
    explicit LedInfo(QWidget *parent = nullptr);
    ~LedInfo() override;

public slots:
    // Marks the reported mode (1 to 3) when the chosen device is a 4000 Hz
    // receiver, not on its cable, of a model with the receiver light;
    // otherwise, or for another mode, nothing changes.
    void SlotRGBValue(DongleRGB *Rgb);
    void SlotAllLanguage(int index);

private slots:
    void on_CloseButton_clicked();

private:
    Ui::LedInfo *ui;
    const QString picturePath;
    QButtonGroup *m_choices;
};
