#include "sensorrate.h"

#include "deferredskin.h"
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
    auto *skin = new DeferredSkin(this);
    const QString pictures = PanelStyle::sensorPictureFolder();
    const QString look = QStringLiteral("QToolButton{border:0px;background-position:center;background-repeat:no-repeat;"
                                        "color: rgb(0,0,0;);padding-left:0px;background-image: url(%1ReportRate.png);}"
                                        "QToolButton:checked{padding-left:0px;background-image: url(%1ReportRateClick.png); }")
                             .arg(pictures);
    for (QAbstractButton *button : buttons)
        skin->setStyleSheet(button, look);
}

SensorRate::~SensorRate()
{
    delete ui;
}
