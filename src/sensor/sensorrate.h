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

private slots:
    void on_Button125HZ_clicked(bool checked);
    void on_Button250HZ_clicked(bool checked);
    void on_Button500HZ_clicked(bool checked);
    void on_Button1000HZ_clicked(bool checked);
    void on_Button2000HZ_clicked(bool checked);
    void on_Button4000HZ_clicked(bool checked);
    void on_Button8000HZ_clicked(bool checked);

private:
    Ui::SensorRate *ui;
};
