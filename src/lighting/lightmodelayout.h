#pragma once

#include <QList>

class QWidget;

// Which controls a light mode shows. A hidden brightness or speed row gives
// its place to a grey bar; the colour controls show only for the modes
// that take a colour.
//
//   mode  0 off   1 colour flow   2 breathing   3 steady   4 neon   5 mixed breathing
//   brightness    -     x              x            x          x        x
//   speed         -     x              x            -          x        x
//   colour        -     -              x            x          -        -
class LightModeLayout
{
public:
    LightModeLayout(QList<QWidget *> brightnessRow, QWidget *brightnessBar, QList<QWidget *> speedRow,
                    QWidget *speedBar, QList<QWidget *> colourControls);

    // Another index (-1 when the mode list has no current item) changes
    // nothing.
    void apply(int mode) const;

private:
    QList<QWidget *> m_brightnessRow;
    QWidget *m_brightnessBar;
    QList<QWidget *> m_speedRow;
    QWidget *m_speedBar;
    QList<QWidget *> m_colourControls;
};
