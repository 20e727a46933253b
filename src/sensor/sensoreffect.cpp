#include "sensoreffect.h"

#include "deferredskin.h"
#include "myconmbobox.h"
#include "panelstyle.h"
#include "ui_sensoreffect.h"

SensorEffect::SensorEffect(QWidget *parent)
    : DpiLightPanel(parent)
    , ui(new Ui::SensorEffect)
{
    ui->setupUi(this);
    adoptForm({ui->label, ui->label_14, ui->label_15, ui->SpeedH, ui->LightH, ui->SpeedSpinBox, ui->LightSpinBox,
               ui->line, ui->line_2},
              QStringLiteral("0,0,0"));
    auto *skin = new DeferredSkin(this);
    skin->setStyleSheet(ui->Model, PanelStyle::comboBox(PanelStyle::sensorPictureFolder()));
    ui->Model->useSelectionColouredView();
}

SensorEffect::~SensorEffect()
{
    delete ui;
}

void SensorEffect::setEffectMode(int mode)
{
    if (!isMode(mode))
        return;
    ui->Model->setCurrentIndex(mode);
    showRowsOf(mode);
}

void SensorEffect::setModeItemText(int index, const QString &text)
{
    ui->Model->setItemText(index, text);
}

// An emptied list reports -1, which is no effect the device knows.
void SensorEffect::on_Model_currentIndexChanged(int index)
{
    if (!isMode(index))
        return;
    showRowsOf(index);
    sendMode(index);
}
