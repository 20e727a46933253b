#pragma once

#include "screencolourprobe.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>

class DeferredSkin;
class QAbstractButton;
class QLabel;
class QSpinBox;
class QWidget;

// The colour half of the lighting page and of the light-mode dialog: red,
// green and blue boxes (0 to 255) with +1 and -1 buttons, fourteen preset
// colours, a preview and a colour board from which a press picks the screen
// colour under the cursor. Every box whose value changes, by typing, a
// step, a preset or a pick, restyles the preview and reports the colour; a
// preset or a pick sets red, then green, then blue, so it reports up to
// three colours.
//
// Its pictures Add.png, Reduce.png, ColorA.png to ColorN.png, ColorBoard.png
// and PreviewColor.png lie in the window's own folder: /Picture/Light/ for
// the lighting page, /Picture/ScreeInfo/ for the light-mode dialog.
class LightColourPanel : public QObject
{
    Q_OBJECT

public:
    struct Widgets
    {
        QSpinBox *red;
        QSpinBox *green;
        QSpinBox *blue;
        QAbstractButton *addRed;
        QAbstractButton *addGreen;
        QAbstractButton *addBlue;
        QAbstractButton *reduceRed;
        QAbstractButton *reduceGreen;
        QAbstractButton *reduceBlue;
        // A to N.
        QList<QAbstractButton *> presets;
        QLabel *preview;
        QLabel *board;
    };

    // A press outside the boxes moves the keyboard focus to `window`.
    LightColourPanel(const Widgets &widgets, const QString &folder, QWidget *window);

    // A step, a preset or a pick goes ahead only while `gate` answers true.
    void setChangeGate(std::function<bool()> gate);
    void setScreenColourProbe(std::shared_ptr<const ScreenColourProbe> probe);

    // A press of the window at `globalPosition`: outside the three boxes it
    // takes the keyboard focus from them.
    void takeFocusUnlessOnBoxes(const QPoint &globalPosition) const;
    // On the board it picks the colour there; where the desktop gives no
    // pixel, nothing changes.
    void pickIfOnBoard(const QPoint &globalPosition);

    void showColour(int red, int green, int blue);

    // When the press lies on none of `widgets`, they lose the keyboard focus
    // to `window`.
    static void takeFocusUnlessOn(const QList<QWidget *> &widgets, const QPoint &globalPosition, QWidget *window);

signals:
    void colourChanged(int red, int green, int blue);

private:
    void connectStep(QAbstractButton *button, QSpinBox *box, int step);
    void connectPreset(QAbstractButton *button, const ScreenColour &colour);
    void setColour(const ScreenColour &colour);
    void boxChanged();

    Widgets m_widgets;
    QWidget *m_window;
    // The window may be built long before it shows.
    DeferredSkin *m_skin;
    std::function<bool()> m_gate;
    std::shared_ptr<const ScreenColourProbe> m_probe;
};
