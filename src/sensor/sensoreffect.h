#pragma once

#include "dpilightpanel.h"

namespace Ui {
class SensorEffect;
}

// The DPI light effect of the sensor page, chosen from a list.
class SensorEffect : public DpiLightPanel
{
    Q_OBJECT

public:
    explicit SensorEffect(QWidget *parent = nullptr);
    ~SensorEffect() override;

    // Makes `mode` (0 to 2) the list's entry; a change is handled as a choice.
    void setEffectMode(int mode);
    void setModeItemText(int index, const QString &text);

private slots:
    void on_Model_currentIndexChanged(int index);

private:
    Ui::SensorEffect *ui;
};
