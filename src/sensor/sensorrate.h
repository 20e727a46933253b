#pragma once

#include "ratepanel.h"

namespace Ui {
class SensorRate;
}

// The polling-rate panel of the sensor page: a row of seven rate buttons.
class SensorRate : public RatePanel
{
    Q_OBJECT

public:
    explicit SensorRate(QWidget *parent = nullptr);
    ~SensorRate() override;

private:
    Ui::SensorRate *ui;
};
