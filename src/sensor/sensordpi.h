#pragma once

#include "dpilevelpanel.h"

#include <QPoint>
#include <QRect>

namespace Ui {
class SensorDPI;
}

class QToolButton;

// The DPI levels of the sensor page: eight level buttons showing their DPI
// with a colour bar each, one slider with its value box and "+" and "-"
// that edit the selected level, and a marker under the level the mouse
// uses, which the user drags onto another level to make it current. A
// click on a colour bar opens the colour picker for that level.
class SensorDPI : public DpiLevelPanel
{
    Q_OBJECT

public:
    explicit SensorDPI(QWidget *parent = nullptr);
    ~SensorDPI() override;

    // Shown without being sent.
    void setSliderValue(int value);
    void setSpinValue(int value);
    void setLevelText(int level, const QString &text) override;
    void showLevelCount(int lastLevel) override;
    // The Config.ini defaults of the chosen model: colours, and values when
    // the model names all eight.
    void loadLevelDefaults();
    void setLevelColor(int level, const QString &hex) override;
    // Shows the bar of `level` selected and every other bar at rest.
    void markCurrentLevel(int level);
    // Puts the marker under level position - 1 (positions 1 to 8).
    void moveLevelMarker(int position);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void exchangeShownLevels(int from, int to) override;

protected slots:
    void SetColor(const QColor &color) override;

private slots:
    void on_horizontalSliderC_valueChanged(int value);
    void on_horizontalSliderC_sliderMoved(int position);
    void on_AddLevelA_clicked();
    void on_ReduceLevelA_clicked();

private:
    void levelToggled(int level, bool checked);
    void barToggled(int level, bool checked);
    QColor levelColour(int level) const;
    int levelValue(int level) const;
    void showLevelValue(int level);
    void styleLevelButton(int level, bool selected);
    void styleLevelBar(int level, bool selected);
    void refreshLevelBar(int level);
    void restLevelBar(int level);
    void stepValue(bool up);
    void dropMarker(const QPoint &position);

    Ui::SensorDPI *ui;
    const QString picturePath;
    QButtonGroup *levelBarGroup;
    std::array<QToolButton *, LevelCount> levelBars = {};
    std::array<QRect, LevelCount> levelButtonRects;
    std::array<QRect, LevelCount> levelBarRects;
    // "red,green,blue" of each level.
    std::array<QString, LevelCount> levelColors;
    const QRect dragArea;
    bool dragging = false;
    QPoint dragOffset;
};
