#pragma once

#include <QString>
#include <QWidget>

class Buttoninterface;
class DeferredSkin;
class FormSetting;
class Macro;
class QButtonGroup;
class Sensor;
class UpDataParam;

namespace Ui {
class Dialog;
}

// The configuration frame, page 1 of the top-level window: the four pages
// of the opened device (key assignment, sensor, macros, settings) behind
// their page buttons, the battery the device reports, the settings-update
// wait, and the ways back to the device selection, to the tray and out.
class Dialog : public QWidget
{
    Q_OBJECT

public:
    explicit Dialog(QWidget *parent = nullptr);
    ~Dialog() override;

    // The device link is about to be let go: what the pages hold back for
    // the device (macros saved within their pause) goes now.
    void sendSavedMacros();

public slots:
    void WindowMin();
    void on_ButtonMain_clicked();
    void on_SensorButton_clicked();
    void on_MacroButton_clicked();
    void on_LightsButton_clicked();
    void on_UpArrow_clicked();
    void SlotSecondDialog();
    // Shows the settings-update wait; 1 after the device asked to be read again.
    void SlotUpDataParam(int index);
    // 0: the macro page records and the page buttons rest; 1: it stopped.
    void SlotStartRecord(int index);
    void SlotBattery(bool IsCharg, int Number, bool IsText);
    void on_CloseButton_clicked();
    void on_FormSetting_clicked();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void skinButtons();
    void showPage(QWidget *page, const char *background);

    Ui::Dialog *ui;
    QButtonGroup *pageButtonGroup;
    Buttoninterface *keyPage;
    Macro *macroPage;
    Sensor *sensorPage;
    FormSetting *settingPage;
    // Made on the first request and kept for the frame's life.
    UpDataParam *updateWaitDialog = nullptr;
    const QString picturePath;
    DeferredSkin *skin;
};
