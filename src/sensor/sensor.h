#pragma once

#include "flashdatamap.h"

#include <QWidget>

namespace Ui {
class Sensor;
}

// The sensor page, the second page of the configuration frame: DPI levels,
// polling rate, lift-off distance and the sensor's options. It takes the
// device's record and the values the device reports from the hub.
class Sensor : public QWidget
{
    Q_OBJECT

public:
    explicit Sensor(QWidget *parent = nullptr);
    ~Sensor() override;

public slots:
    // A record the device link delivered; the settings-update wait waits
    // for g_sensorUiApplied.
    void SlotUpDataSenSorUISensor(FlashDataMap DataMap);
    // An imported or cached record.
    void SlotUpDataSenSorUIB(FlashDataMap DataMap);
    void SlotUpDataReportRate(int index);
    void SlotUpDataDPI(int index);
    void SlotUpDataDPILed(FlashDataMap DataMap);
    void SlotFormReset();
    void SlotHideModel(int index);
    void SlotAllLanguage(int index);

private:
    void fillFrom(const FlashDataMap &record);

    Ui::Sensor *ui;
};
