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

private slots:
    void on_Button125HZ_clicked(bool checked);
    void on_Button250HZ_clicked(bool checked);
    void on_Button500HZ_clicked(bool checked);
    void on_Button1000HZ_clicked(bool checked);
    void on_Button2000HZ_clicked(bool checked);
    void on_Button4000HZ_clicked(bool checked);
    void on_Button8000HZ_clicked(bool checked);

private:
    Ui::SensorRateB *ui;
};
