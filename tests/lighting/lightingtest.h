#pragma once

#include "childwidget.h"
#include "devicelinktest.h"
#include "screencolourprobe.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSlider>
#include <QSpinBox>

// Shared pieces of the lighting tests: a desktop that answers a fixed
// pixel, and the record the default mouse holds with known light settings.
namespace LightingTest {

class FixedDesktop : public ScreenColourProbe
{
public:
    explicit FixedDesktop(std::optional<ScreenColour> pixel)
        : m_pixel(pixel)
    {
    }
    int logicalScreenWidth() const override { return 1920; }
    int physicalScreenWidth() const override { return 1920; }
    std::optional<ScreenColour> grabPixel(const QPoint &) const override { return m_pixel; }

private:
    std::optional<ScreenColour> m_pixel;
};

// Breathing in 0,255,255 at brightness 6 and speed 4, idle time 1 minute.
inline FlashDataMap lightRecord()
{
    FlashDataMap record = DeviceLinkTest::recordOf(HidUsbSim::storedConfiguration("Mouse1", 0));
    record.LightMode = 2;
    record.LightEnable = 1;
    record.LightR = 0;
    record.LightG = 255;
    record.LightB = 255;
    record.LightBrightness = 5;
    record.LightSpeed = 3;
    record.LightOffMoving = 0;
    record.SleepTime = 6;
    return record;
}

inline QSpinBox *box(const QWidget *window, const char *name)
{
    return child<QSpinBox>(window, name);
}

inline QAbstractButton *button(const QWidget *window, const char *name)
{
    return child<QAbstractButton>(window, name);
}

inline QList<int> colourOf(const QWidget *window)
{
    return {box(window, "RSpinBox")->value(), box(window, "GSpinBox")->value(), box(window, "BSpinBox")->value()};
}

// Presses the colour board, as the user does to pick the colour under the
// cursor.
inline void pressBoard(QWidget *window, Qt::MouseButton mouseButton = Qt::LeftButton)
{
    QTest::mousePress(child<QWidget>(window, "label_7"), mouseButton, Qt::NoModifier, QPoint(5, 5));
}

} // namespace LightingTest
