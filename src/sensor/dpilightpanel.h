#pragma once

#include <QFrame>

class QLabel;
class QSlider;
class QSpinBox;

// What the DPI light-effect panels share: the effect (0 off, 1 steady,
// 2 breathing) decides which slider row shows, brightness for the steady
// light and speed for the breathing one; a hidden row leaves a grey line.
// Chosen values go to the device while the page is live and not filling.
class DpiLightPanel : public QFrame
{
    Q_OBJECT

public:
    // Both setters let the slider's own change handling run, which sends.
    void setSpeedValue(int value);
    void setBrightnessValue(int step);
    void setSlidersEnabled(bool enabled);
    void setTitleText(const QString &text);
    void setSpeedText(const QString &text);
    void setBrightnessText(const QString &text);

protected:
    static constexpr int OffMode = 0;
    static constexpr int SteadyMode = 1;
    static constexpr int BreathingMode = 2;

    struct Controls
    {
        QLabel *title;
        QLabel *speedText;
        QLabel *brightnessText;
        QSlider *speed;
        QSlider *brightness;
        QSpinBox *speedBox;
        QSpinBox *brightnessBox;
        QFrame *speedLine;
        QFrame *brightnessLine;
    };

    explicit DpiLightPanel(QWidget *parent);

    // Styles and connects the form's shared controls once setupUi has built
    // them; `grooveColour` is the sliders' unfilled part.
    void adoptForm(const Controls &controls, const QString &grooveColour);
    static bool isMode(int mode);
    void showRowsOf(int mode);
    static void sendMode(int mode);

private:
    // The spin boxes follow the handles while they are dragged; a value is
    // sent when it is committed (tracking is off).
    void speedMoved(int position);
    void speedChanged(int value);
    void brightnessMoved(int position);
    void brightnessChanged(int step);

    Controls m_controls = {};
};
