#pragma once

#include "dpilightpanel.h"

class QAbstractButton;
class QButtonGroup;

namespace Ui {
class SensorEffectB;
}

// The DPI light effect chosen with three exclusive check boxes.
class SensorEffectB : public DpiLightPanel
{
    Q_OBJECT

public:
    explicit SensorEffectB(QWidget *parent = nullptr);
    ~SensorEffectB() override;

    // Checks the box of `mode`; nothing is sent.
    void setEffectMode(int mode);
    void setModeButtonText(int mode, const QString &text);

private slots:
    void on_MM1_clicked(bool checked);
    void on_MM2_clicked(bool checked);
    void on_MM3_clicked(bool checked);

private:
    QAbstractButton *modeButton(int mode) const;
    void chooseMode(int mode, bool checked);

    Ui::SensorEffectB *ui;
    QButtonGroup *modeGroup;
};
