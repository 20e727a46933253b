#include "sensorrateb.h"

#include "panelstyle.h"
#include "ui_sensorrateb.h"

SensorRateB::SensorRateB(QWidget *parent)
    : RatePanel(parent)
    , ui(new Ui::SensorRateB)
{
    ui->setupUi(this);
    const RateButtons buttons = {ui->Button125HZ,  ui->Button250HZ,  ui->Button500HZ, ui->Button1000HZ,
                                 ui->Button2000HZ, ui->Button4000HZ, ui->Button8000HZ};
    adoptForm(buttons, ui->label);
    const QString look = PanelStyle::checkBox(PanelStyle::sensorPictureFolder());
    for (QAbstractButton *button : buttons)
        button->setStyleSheet(look);
}

SensorRateB::~SensorRateB()
{
    delete ui;
}

void SensorRateB::on_Button125HZ_clicked(bool checked)
{
    rateClicked(0, checked);
}

void SensorRateB::on_Button250HZ_clicked(bool checked)
{
    rateClicked(1, checked);
}

void SensorRateB::on_Button500HZ_clicked(bool checked)
{
    rateClicked(2, checked);
}

void SensorRateB::on_Button1000HZ_clicked(bool checked)
{
    rateClicked(3, checked);
}

void SensorRateB::on_Button2000HZ_clicked(bool checked)
{
    rateClicked(4, checked);
}

void SensorRateB::on_Button4000HZ_clicked(bool checked)
{
    rateClicked(5, checked);
}

void SensorRateB::on_Button8000HZ_clicked(bool checked)
{
    rateClicked(6, checked);
}
