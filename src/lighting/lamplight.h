#pragma once

#include "flashdatamap.h"

#include <QWidget>

#include <memory>

namespace Ui {
class LampLight;
}
class LightColourPanel;
class LightModeLayout;
class ScreenColourProbe;

// The mouse's own lighting: the mode (off or one of five effects),
// brightness and speed from 1 to 10, the colour, lights off while moving
// and the idle time after which the lights go off. Every change goes to the
// mouse at once through the light senders while the device pages are live;
// the page fills itself from the records the device link and the settings
// update deliver, and returns to its defaults when no record exists. No
// window of the program places it: it is a self-contained page for a host.
class LampLight : public QWidget
{
    Q_OBJECT

public:
    explicit LampLight(QWidget *parent = nullptr);
    ~LampLight() override;

    void setScreenColourProbe(std::shared_ptr<const ScreenColourProbe> probe);

public slots:
    // A record the device reported: the sliders take input again.
    void SlotUpDataLightUILight(FlashDataMap DataMap);
    // An imported or cached record: the sliders wait for the device's own.
    void SlotUpDataLightUIA(FlashDataMap DataMap);
    void SlotFormResetLight();
    void SlotAllLanguage(int index);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private slots:
    void on_horizontalLight_valueChanged(int value);
    void on_horizontalSpeed_valueChanged(int value);
    void on_horizontalLight_sliderMoved(int position);
    void on_horizontalSpeed_sliderMoved(int position);
    void on_LightMod_currentIndexChanged(int index);
    void on_RippeControl_clicked(bool checked);

private:
    void applySkin();
    void fillFrom(const FlashDataMap &record, bool slidersEnabled);
    void sendColour(int red, int green, int blue);
    // The steps, presets and the colour board first ask whether the device
    // answers; offline, the question reports it and they change nothing.
    bool deviceAllowsChange();

    Ui::LampLight *ui;
    const QString picturePath;
    std::unique_ptr<LightModeLayout> m_layout;
    LightColourPanel *m_colours;
};
