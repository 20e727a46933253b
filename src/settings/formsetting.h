#pragma once

#include "deviceallinfo.h"
#include "firmwareupdaterun.h"
#include "inputpica.h"
#include "inputpicb.h"
#include "ledinfo.h"
#include "lightmodeset.h"

#include <QPoint>
#include <QWidget>

#include <memory>

class DeferredSkin;
class QButtonGroup;
class UpDateWarning;

namespace Ui {
class FormSetting;
}

// The settings page, the fourth page of the configuration frame, a page
// that scrolls: the language, the firmware versions of the receiver and the
// mouse with the firmware update, pairing, the sleep time, starting at
// login, the desktop's mouse settings, and the receiver's long-range mode
// and LED indicator where the model and the receiver have them.
class FormSetting : public QWidget
{
    Q_OBJECT

public:
    explicit FormSetting(QWidget *parent = nullptr);
    ~FormSetting() override;

public slots:
    // 0: the versions from the chosen device and whether images offer an
    // update; 1, 2: the receiver's or the mouse's notice goes; 3: the update
    // button's caption; 4: a settings update starts (caption, notices, and
    // the next start looks for images again); 5: as 4, with the versions
    // shown again; 6: a device is being opened, no versions are known.
    void SetVer(int index);
    // The update button says the firmware is up to date.
    void SetVerText();
    // A new version written: 0 the receiver's, 1 the mouse's.
    void SlotLabelText(int index, QString Text);
    // The receiver's version, and "true" while an update waits.
    void SlotLabelTextB(QString TextA, QString Text);
    void SlotAllLanguage(int index);
    void SlotLanguageSameB(int index);
    void SlotScroolChange(int index);
    // Which receiver sections the device and its model offer.
    void SlotForm();
    void SlotFormB();
    void SlotFormResetForm();
    void SlotRGBValue(DongleRGB *Rgb);
    void SlotLongRangeMode(bool Select);
    // The sleep time in seconds the device holds.
    void SlotLightToFrom(int index);
    // The update dialog's start button.
    void on_Start();
    void SlotContinue(int index);
    // A device change while the update dialog shows: ready it again.
    void SlotCheckUpdate();
    // Whether an update can start; otherwise the update dialog says why.
    bool ChechIsUpDate();

protected:
    // Presses stay on the page.
    void mousePressEvent(QMouseEvent *event) override;

private slots:
    void on_comboBox_activated(int index);
    void on_checkBox_clicked(bool checked);
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_checkBox_2_toggled(bool checked);
    void on_ReUntil_toggled(bool checked);
    void on_ReUntil_2_toggled(bool checked);
    void on_ReUntil_3_toggled(bool checked);
    void on_Receive_2_clicked();

private:
    void connectHub();
    void applyStyles();
    void placeVersions(int language);
    void showVersions(bool lookForImages);
    void showNotice(FirmwareUpdateRun::Target target, bool shown);
    void showUpdateOffered(bool offered);
    void showWarning(const QString &text);
    void setAdvancedVisible(bool visible);
    void setLedVisible(bool visible);
    void applyLayout(bool withLed);
    void sendLedMode(int mode, bool checked);
    bool answersForChange();

    Ui::FormSetting *ui;
    DeferredSkin *skin;
    const QString skinFolder;
    const QString textColour;
    const QString buttonColour;
    QPoint labelAnchor;
    QButtonGroup *ledGroup;
    std::unique_ptr<UpDateWarning> warningDialog;
    FirmwareUpdateRun *updateRun;
    // The receiver's light record as it last reported it; the LED choices
    // send it with their mode. The library's thread fills g_dongleRgb.
    DongleRGB receiverLight = {};
    // Texts of the firmware update in the current language.
    QString updateButtonText;
    QString upToDateText;
    // The receiver's dialogs, built with the page and gone with it; nothing
    // shows them.
    LedInfo ledInfo;
    InputPicA screenDialogA;
    InputPicB screenDialogB;
    LightModeSet lightModeDialog;
};
