#include "sensoreffectb.h"

#include "deferredskin.h"
#include "panelstyle.h"
#include "ui_sensoreffectb.h"

#include <QButtonGroup>

SensorEffectB::SensorEffectB(QWidget *parent)
    : DpiLightPanel(parent)
    , ui(new Ui::SensorEffectB)
    , modeGroup(new QButtonGroup(this))
{
    ui->setupUi(this);
    adoptForm({ui->label, ui->label_14, ui->label_15, ui->SpeedH, ui->LightH, ui->SpeedSpinBox, ui->LightSpinBox,
               ui->line, ui->line_2},
              QStringLiteral("255,255,255"));
    auto *skin = new DeferredSkin(this);
    const QString look = PanelStyle::checkBox(PanelStyle::sensorPictureFolder());
    for (QAbstractButton *box : {ui->MM1, ui->MM2, ui->MM3}) {
        skin->setStyleSheet(box, look);
        modeGroup->addButton(box);
    }
    modeGroup->setExclusive(true);
}

SensorEffectB::~SensorEffectB()
{
    delete ui;
}

QAbstractButton *SensorEffectB::modeButton(int mode) const
{
    switch (mode) {
    case OffMode:
        return ui->MM3;
    case SteadyMode:
        return ui->MM1;
    case BreathingMode:
        return ui->MM2;
    default:
        return nullptr;
    }
}

void SensorEffectB::setEffectMode(int mode)
{
    if (QAbstractButton *button = modeButton(mode)) {
        button->setChecked(true);
        showRowsOf(mode);
    }
}

void SensorEffectB::setModeButtonText(int mode, const QString &text)
{
    if (QAbstractButton *button = modeButton(mode))
        button->setText(text);
}

void SensorEffectB::chooseMode(int mode, bool checked)
{
    if (!checked)
        return;
    showRowsOf(mode);
    sendMode(mode);
}

void SensorEffectB::on_MM1_clicked(bool checked)
{
    chooseMode(SteadyMode, checked);
}

void SensorEffectB::on_MM2_clicked(bool checked)
{
    chooseMode(BreathingMode, checked);
}

void SensorEffectB::on_MM3_clicked(bool checked)
{
    chooseMode(OffMode, checked);
}
