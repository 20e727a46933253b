#include "sensorrate.h"

#include "panelstyle.h"
#include "ui_sensorrate.h"

SensorRate::SensorRate(QWidget *parent)
    : RatePanel(parent)
    , ui(new Ui::SensorRate)
{
    ui->setupUi(this);
    const RateButtons buttons = {ui->Button125HZ,  ui->Button250HZ,  ui->Button500HZ, ui->Button1000HZ,
                                 ui->Button2000HZ, ui->Button4000HZ, ui->Button8000HZ};
    adoptForm(buttons, ui->label);
    const QString pictures = PanelStyle::sensorPictureFolder();
    const QString look = QStringLiteral("QToolButton{border:0px;background-position:center;background-repeat:no-repeat;"
                                        "color: rgb(0,0,0;);padding-left:0px;background-image: url(%1ReportRate.png);}"
                                        "QToolButton:checked{padding-left:0px;background-image: url(%1ReportRateClick.png); }")
                             .arg(pictures);
    for (QAbstractButton *button : buttons)
        button->setStyleSheet(look);
}

SensorRate::~SensorRate()
{
    delete ui;
}

void SensorRate::on_Button125HZ_clicked(bool checked)
{
    rateClicked(0, checked);
}

void SensorRate::on_Button250HZ_clicked(bool checked)
{
    rateClicked(1, checked);
}

void SensorRate::on_Button500HZ_clicked(bool checked)
{
    rateClicked(2, checked);
}

void SensorRate::on_Button1000HZ_clicked(bool checked)
{
    rateClicked(3, checked);
}

void SensorRate::on_Button2000HZ_clicked(bool checked)
{
    rateClicked(4, checked);
}

void SensorRate::on_Button4000HZ_clicked(bool checked)
{
    rateClicked(5, checked);
}

void SensorRate::on_Button8000HZ_clicked(bool checked)
{
    rateClicked(6, checked);
}
