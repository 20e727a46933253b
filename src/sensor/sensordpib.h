#pragma once

#include "dpilevelpanel.h"

namespace Ui {
class SensorDPIB;
}

class QCheckBox;
class QSpinBox;
class QToolButton;

// The DPI levels in eight rows, one per level: a toggle that makes the
// level current, a colour button, a slider and its value box. A colour
// picked goes to the level whose colour button was clicked last.
class SensorDPIB : public DpiLevelPanel
{
    Q_OBJECT

public:
    explicit SensorDPIB(QWidget *parent = nullptr);
    ~SensorDPIB() override;

    // Operations taking a level ignore levels outside 0 to 7. Values are
    // shown without being sent.
    void setSliderValue(int value, int level);
    void setSpinValue(int value, int level);
    // Text that is no number reads as 0.
    void setLevelText(int level, const QString &text) override;
    void setLevelColor(int level, const QString &hex) override;
    void refreshLevelColors();
    // Shows a fixed set of colours, leaving the levels' own untouched.
    void showFixedLevelColors();
    void applyLevelColor(int level);
    void showLevelCount(int lastLevel) override;

protected:
    void exchangeShownLevels(int from, int to) override;

protected slots:
    void SetColor(const QColor &color) override;

private:
    void levelSliderChanged(int level, int value);
    void levelToggled(int level, bool checked);
    void styleColourButton(int level, const QString &colour);

    Ui::SensorDPIB *ui;
    const QString picturePath;
    std::array<QToolButton *, LevelCount> colourButtons = {};
    std::array<QSlider *, LevelCount> sliders = {};
    std::array<QSpinBox *, LevelCount> valueBoxes = {};
    std::array<QCheckBox *, LevelCount> toggles = {};
    std::array<QString, LevelCount> levelColors;
    // The level whose colour button was clicked last.
    int pickerLevel = 0;
};
