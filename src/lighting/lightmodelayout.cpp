#include "lightmodelayout.h"

#include <QWidget>

#include <utility>

namespace {

struct ModeRows
{
    bool brightness;
    bool speed;
    bool colour;
};

constexpr ModeRows modeRows[] = {
    {false, false, false}, {true, true, false}, {true, true, true},
    {true, false, true},   {true, true, false}, {true, true, false},
};

void setShown(const QList<QWidget *> &widgets, bool shown)
{
    for (QWidget *widget : widgets)
        widget->setVisible(shown);
}

} // namespace

LightModeLayout::LightModeLayout(QList<QWidget *> brightnessRow, QWidget *brightnessBar, QList<QWidget *> speedRow,
                                 QWidget *speedBar, QList<QWidget *> colourControls)
    : m_brightnessRow(std::move(brightnessRow))
    , m_brightnessBar(brightnessBar)
    , m_speedRow(std::move(speedRow))
    , m_speedBar(speedBar)
    , m_colourControls(std::move(colourControls))
{
}

void LightModeLayout::apply(int mode) const
{
    if (mode < 0 || mode >= int(std::size(modeRows)))
        return;
    const ModeRows rows = modeRows[mode];
    setShown(m_brightnessRow, rows.brightness);
    m_brightnessBar->setVisible(!rows.brightness);
    setShown(m_speedRow, rows.speed);
    m_speedBar->setVisible(!rows.speed);
    setShown(m_colourControls, rows.colour);
}
