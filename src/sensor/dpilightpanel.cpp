#include "dpilightpanel.h"

#include "configurationsenders.h"
#include "deferredskin.h"
#include "dpilightbrightness.h"
#include "pagestate.h"
#include "panelstyle.h"

#include <QLabel>
#include <QSlider>
#include <QSpinBox>

namespace {

bool mayNotify()
{
    return g_deviceUiLive && !g_sensorUiFilling;
}

} // namespace

DpiLightPanel::DpiLightPanel(QWidget *parent)
    : QFrame(parent)
{
}

void DpiLightPanel::adoptForm(const Controls &controls, const QString &grooveColour)
{
    m_controls = controls;
    auto *skin = new DeferredSkin(this);
    const QString pictures = PanelStyle::sensorPictureFolder();
    for (QLabel *label : {controls.title, controls.speedText, controls.brightnessText})
        skin->setStyleSheet(label, PanelStyle::titleLabel());
    for (QSpinBox *box : {controls.speedBox, controls.brightnessBox})
        skin->setStyleSheet(box, PanelStyle::valueBox(QStringLiteral("LabelColor")));
    for (QSlider *slider : {controls.speed, controls.brightness})
        skin->setStyleSheet(slider, PanelStyle::slider(pictures, grooveColour));
    connect(controls.speed, &QSlider::sliderMoved, this, &DpiLightPanel::speedMoved);
    connect(controls.speed, &QSlider::valueChanged, this, &DpiLightPanel::speedChanged);
    connect(controls.brightness, &QSlider::sliderMoved, this, &DpiLightPanel::brightnessMoved);
    connect(controls.brightness, &QSlider::valueChanged, this, &DpiLightPanel::brightnessChanged);
}

bool DpiLightPanel::isMode(int mode)
{
    return mode >= 0 && mode <= BreathingMode;
}

void DpiLightPanel::showRowsOf(int mode)
{
    if (!isMode(mode))
        return;
    const bool speed = mode == BreathingMode;
    const bool brightness = mode == SteadyMode;
    m_controls.speed->setVisible(speed);
    m_controls.speedBox->setVisible(speed);
    m_controls.speedLine->setVisible(!speed);
    m_controls.brightness->setVisible(brightness);
    m_controls.brightnessBox->setVisible(brightness);
    m_controls.brightnessLine->setVisible(!brightness);
}

// Results are not looked at: the sender reports an offline device itself.
void DpiLightPanel::sendMode(int mode)
{
    if (mayNotify())
        setDpiLightMode(mode);
}

void DpiLightPanel::speedMoved(int position)
{
    m_controls.speedBox->setValue(position);
}

void DpiLightPanel::speedChanged(int value)
{
    m_controls.speedBox->setValue(value);
    if (mayNotify())
        setDpiLightSpeed(value);
}

void DpiLightPanel::brightnessMoved(int position)
{
    m_controls.brightnessBox->setValue(position);
}

void DpiLightPanel::brightnessChanged(int step)
{
    m_controls.brightnessBox->setValue(step);
    if (mayNotify())
        setDpiLightBrightness(dpiLightBrightnessByte(step));
}

void DpiLightPanel::setSpeedValue(int value)
{
    m_controls.speed->setValue(value);
}

void DpiLightPanel::setBrightnessValue(int step)
{
    m_controls.brightness->setValue(step);
}

void DpiLightPanel::setSlidersEnabled(bool enabled)
{
    m_controls.speed->setEnabled(enabled);
    m_controls.brightness->setEnabled(enabled);
}

void DpiLightPanel::setTitleText(const QString &text)
{
    m_controls.title->setText(text);
}

void DpiLightPanel::setSpeedText(const QString &text)
{
    m_controls.speedText->setText(text);
}

void DpiLightPanel::setBrightnessText(const QString &text)
{
    m_controls.brightnessText->setText(text);
}
