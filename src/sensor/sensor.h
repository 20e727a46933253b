#pragma once

#include "flashdatamap.h"

#include <QWidget>

namespace Ui {
class Sensor;
}

class QAbstractButton;
class QListView;
struct DeviceAllInfo;

// The sensor page, the second page of the configuration frame: DPI levels,
// polling rate, lift-off distance, the sensor's options and the DPI light.
// It shows the device's record and the values the device reports; its
// panels send what the user changes, the page itself only the sensor mode
// and the full-performance switch and time. Which panels show depends on
// the model's sensor and on the capability file.
class Sensor : public QWidget
{
    Q_OBJECT

public:
    explicit Sensor(QWidget *parent = nullptr);
    ~Sensor() override;

    // The on/off panels send their own switches; these send the same while
    // the device page is live.
    void on_RippeControl_clicked(bool checked);
    void on_StraightLine_clicked(bool checked);
    void on_MotionSync_clicked(bool checked);
    // Offer and withdraw the 0.7 mm lift-off entry.
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

public slots:
    // A record the device link delivered; the settings-update wait waits
    // for g_sensorUiApplied.
    void SlotUpDataSenSorUISensor(FlashDataMap DataMap);
    // An imported record.
    void SlotUpDataSenSorUIB(FlashDataMap DataMap);
    // No record exists for the device: the model's defaults.
    void SlotFormReset();
    // Values the device reports by itself. Showing them sends nothing.
    void SlotUpDataReportRate(int index);
    void SlotUpDataDPI(int index);
    void SlotUpDataDPILed(FlashDataMap DataMap);
    // The rate panel's news: 1 for 2000 Hz or more, 0 below.
    void SlotHideModel(int index);
    void SlotAllLanguage(int index);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_Performance_toggled(bool checked);
    void on_ModelChoose_currentIndexChanged(int index);
    void on_LOD_currentIndexChanged(int index);
    void on_Performance_clicked(bool checked);
    void on_PerformanceOpen_currentIndexChanged(int index);

private:
    void styleControls();
    void fillFrom(const FlashDataMap &record);
    void showSensorMode(const FlashDataMap &record, const DeviceAllInfo &device);
    void showPerformance(const FlashDataMap &record);
    void showDpiLight(const FlashDataMap &record);
    void showDpiLevels(const FlashDataMap &record, int levels);
    void showDpiRange();
    void useLayout(int xIn1);
    void showFeatureSwitches();
    // The sensor mode list: the record's mode chosen freely, or the
    // "Corded" mode the fast rates impose.
    void releaseModelChoice(int mode);
    void lockModelChoice();
    void selectModelChoice(int index);
    QListView *modelChooseView() const;
    void readLevelFile();
    void writeLevelFile(int count);
    static void setButtonIcon(QAbstractButton *button, const QString &picture);

    Ui::Sensor *ui;
    const QString sensorPageDir;
    // The slider's range from the model's DPI range, as written there.
    QString dpiMinText;
    QString dpiMaxText;
    const QString pictureDir;
};
