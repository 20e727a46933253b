#include "sensorrateb.h"

#include "deferredskin.h"
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
    auto *skin = new DeferredSkin(this);
    const QString look = PanelStyle::checkBox(PanelStyle::sensorPictureFolder());
    for (QAbstractButton *button : buttons)
        skin->setStyleSheet(button, look);
}

SensorRateB::~SensorRateB()
{
    delete ui;
}
