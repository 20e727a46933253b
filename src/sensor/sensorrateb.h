#pragma once

#include "ratepanel.h"

namespace Ui {
class SensorRateB;
}

// The polling rate as a row of seven exclusive check boxes.
class SensorRateB : public RatePanel
{
    Q_OBJECT

public:
    explicit SensorRateB(QWidget *parent = nullptr);
    ~SensorRateB() override;

private:
    Ui::SensorRateB *ui;
};
