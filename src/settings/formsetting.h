#pragma once

#include "deviceallinfo.h"

#include <QWidget>

namespace Ui {
class FormSetting;
}

// The settings page, the fourth page of the configuration frame: device
// information and firmware versions, receiver light and long-range mode,
// autostart, language, pairing and firmware updates.
class FormSetting : public QWidget
{
    Q_OBJECT

public:
    explicit FormSetting(QWidget *parent = nullptr);
    ~FormSetting() override;

public slots:
    // 6: a device is being opened, no versions are known; 4: a settings
    // update starts; 0: the mouse reported its version.
    void SetVer(int index);
    // The opened device's version, and "true" while an update waits.
    void SlotLabelTextB(QString TextA, QString Text);
    void SlotLanguageSameB(int index);
    void SlotAllLanguage(int index);
    void SlotCheckUpdate();
    void SlotFormB();
    void SlotForm();
    void SlotFormResetForm();
    void SlotRGBValue(DongleRGB *Rgb);
    void SlotLongRangeMode(bool Select);

private:
    Ui::FormSetting *ui;
};
