#include "sensordpi.h"

#include "configinistore.h"
#include "configurationsenders.h"
#include "deferredskin.h"
#include "deviceallinfo.h"
#include "pagestate.h"
#include "panelstyle.h"
#include "sensormodel.h"
#include "ui_sensordpi.h"

#include <QButtonGroup>
#include <QColor>
#include <QMouseEvent>

#include <algorithm>

namespace {

// Where the marker stands under each level: the level buttons are 91 pixels
// apart, give or take one.
constexpr std::array<QPoint, DpiLevelPanel::LevelCount> MarkerSpots = {
    {{27, 154}, {118, 154}, {209, 154}, {300, 154}, {391, 154}, {483, 154}, {573, 154}, {664, 154}}};
constexpr int LevelPitch = 91;

// A drop counts only between the first and the last level button.
constexpr int FirstDropX = 15;
constexpr int LastDropX = 706;
// The rightmost drop that lands on a shown level, by the level-count list's
// index; with all eight levels shown there is none.
constexpr std::array<int, 7> DropLimits = {69, 160, 251, 342, 433, 524, 612};

// How far a drop moves the current level, by the pointer's distance from the
// current level's spot; distances between these windows move nothing.
struct DropWindow
{
    int from;
    int to;
    int steps;
};
constexpr std::array<DropWindow, 14> DropWindows = {{
    {78, 129, 1},
    {-102, -51, -1},
    {168, 214, 2},
    {-192, -144, -2},
    {264, 317, 3},
    {-284, -236, -3},
    {361, 389, 4},
    {-369, -327, -4},
    {443, 495, 5},
    {-465, -411, -5},
    {538, 591, 6},
    {-556, -504, -6},
    {623, 669, 7},
    {-646, -599, -7},
}};

int dropSteps(int distance)
{
    for (const DropWindow &window : DropWindows) {
        if (window.from <= distance && distance <= window.to)
            return window.steps;
    }
    return 0;
}

const std::array<QString, DpiLevelPanel::LevelCount> DefaultColours = {
    QStringLiteral("255,0,0"),     QStringLiteral("0,255,255"), QStringLiteral("0,255,0"),
    QStringLiteral("255,255,255"), QStringLiteral("255,255,0"), QStringLiteral("255,0,255"),
    QStringLiteral("159,0,0"),     QStringLiteral("0,212,252")};

// The level buttons' text colour.
const QString LevelTextColour = QStringLiteral("0,0,0");

} // namespace

SensorDPI::SensorDPI(QWidget *parent)
    : DpiLevelPanel(parent)
    , ui(new Ui::SensorDPI)
    , picturePath(PanelStyle::sensorPictureFolder())
    , levelBarGroup(new QButtonGroup(this))
    , levelColors(DefaultColours)
    , dragArea(0, 0, 728, 194)
{
    ui->setupUi(this);
    const LevelButtons buttons = {ui->BlueButton,  ui->BrightRedButton, ui->RedButton,       ui->YellowButton,
                                  ui->GreenButton, ui->PurpleButton,    ui->LightBlueButton, ui->LightYellowButton};
    levelBars = {ui->BlueButtonA,  ui->BrightRedButtonA, ui->RedButtonA,       ui->YellowButtonA,
                 ui->GreenButtonA, ui->PurpleButtonA,    ui->LightBlueButtonA, ui->LightYellowButtonA};
    adoptForm(ui->label, ui->ChooseEvent, buttons, {ui->horizontalSliderC});
    levelBarGroup->setExclusive(true);
    for (int level = 0; level < LevelCount; ++level) {
        QAbstractButton *button = levelButton(level);
        QToolButton *bar = levelBars[level];
        levelButtonRects[level] = button->geometry();
        levelBarRects[level] = bar->geometry();
        levelBarGroup->addButton(bar);
        styleLevelButton(level, false);
        styleLevelBar(level, false);
        connect(button, &QAbstractButton::toggled, this, [this, level](bool checked) { levelToggled(level, checked); });
        connect(button, &QAbstractButton::clicked, this, [this, level] { showLevelValue(level); });
        connect(bar, &QAbstractButton::toggled, this, [this, level](bool checked) { barToggled(level, checked); });
        connect(bar, &QAbstractButton::clicked, this, [this, level] { showColorPicker(levelColour(level)); });
    }
    skin()->setStyleSheet(
        ui->label_8,
        QStringLiteral("#label_8{border:0px;background-position:center;background-repeat:no-repeat;"
                       "background-image: url(%1Level.png);}"
                       "#label_8:hover{border:0px;background-position:center;background-repeat:no-repeat;"
                       "background-image: url(%1LevelHover.png);}")
            .arg(picturePath));
    const QString stepLook = QStringLiteral("#%1{background-image: url(%2%3);border:0px;background-position:center;"
                                            "background-repeat:no-repeat;}");
    skin()->setStyleSheet(ui->ReduceLevelA,
                          stepLook.arg(QStringLiteral("ReduceLevelA"), picturePath, QStringLiteral("Reduce.png")));
    skin()->setStyleSheet(ui->AddLevelA, stepLook.arg(QStringLiteral("AddLevelA"), picturePath, QStringLiteral("Add.png")));
    skin()->setStyleSheet(ui->horizontalSliderC, PanelStyle::slider(picturePath, QStringLiteral("0,0,0")));
    skin()->setStyleSheet(ui->spinBoxA, PanelStyle::framedValueBox(QStringLiteral("rgb(0,0,0)")));
}

SensorDPI::~SensorDPI()
{
    delete ui;
}

void SensorDPI::setSliderValue(int value)
{
    showOwnValue(ui->horizontalSliderC, value);
}

void SensorDPI::setSpinValue(int value)
{
    ui->spinBoxA->setValue(value);
}

void SensorDPI::setLevelText(int level, const QString &text)
{
    if (isLevel(level))
        levelButton(level)->setText(text);
}

void SensorDPI::showLevelCount(int lastLevel)
{
    if (!isLevel(lastLevel))
        return;
    for (int level = 0; level < LevelCount; ++level) {
        levelButton(level)->setVisible(level <= lastLevel);
        levelBars[level]->setVisible(level <= lastLevel);
    }
}

void SensorDPI::loadLevelDefaults()
{
    const ConfigIniStore *config = ConfigIniStore::instance();
    const QString group = CurrentDevice.get().driveGroup();
    const QStringList colours = config->valueList(group, QStringLiteral("DPIColor"));
    for (int level = 0; level < LevelCount && 3 * level + 2 < colours.size(); ++level)
        levelColors[level] = colours.mid(3 * level, 3).join(QLatin1Char(','));
    const QStringList values = config->valueList(group, QStringLiteral("DPIGrade"));
    if (values.size() < LevelCount)
        return;
    for (int level = 0; level < LevelCount; ++level) {
        restLevelBar(level);
        levelButton(level)->setText(values.at(level));
    }
}

void SensorDPI::setLevelColor(int level, const QString &hex)
{
    if (!isLevel(level))
        return;
    const auto part = [&hex](int at) { return QString::number(hex.mid(at, 2).toInt(nullptr, 16)); };
    levelColors[level] = part(1) + QLatin1Char(',') + part(3) + QLatin1Char(',') + part(5);
}

void SensorDPI::markCurrentLevel(int level)
{
    for (int other = 0; other < LevelCount; ++other) {
        if (other == level)
            styleLevelBar(other, true);
        else
            restLevelBar(other);
    }
}

void SensorDPI::moveLevelMarker(int position)
{
    if (isLevel(position - 1))
        ui->label_8->move(MarkerSpots[position - 1]);
}

QColor SensorDPI::levelColour(int level) const
{
    const QStringList parts = levelColors[level].split(QLatin1Char(','));
    return QColor(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt());
}

int SensorDPI::levelValue(int level) const
{
    return levelButton(level)->text().toInt();
}

void SensorDPI::showLevelValue(int level)
{
    showOwnValue(ui->horizontalSliderC, levelValue(level));
}

// The pictures lie in the program folder's /Picture/Sensor/: a level button
// grows onto a larger picture when selected; a colour bar's picture frames
// the level's colour, which shows through it.
void SensorDPI::styleLevelButton(int level, bool selected)
{
    const QRect rest = levelButtonRects[level];
    levelButton(level)->setGeometry(selected ? QRect(rest.x() - 7, rest.y() - 7, 68, 70) : rest);
    skin()->setStyleSheet(
        levelButton(level),
        QStringLiteral("QToolButton{border:0px;border-radius:3px;background-position:center;background-repeat:no-repeat;"
                       "color: rgb(%1;);background-image: url(%2%3);}")
            .arg(LevelTextColour, picturePath, selected ? QStringLiteral("MaxA.png") : QStringLiteral("MinA.png")));
}

void SensorDPI::styleLevelBar(int level, bool selected)
{
    skin()->setStyleSheet(
        levelBars[level],
        QStringLiteral("QToolButton{border:0px;border-radius:3px;background-position:center;background-repeat:no-repeat;"
                       "background-color:rgb(%1);background-image: url(%2%3);}")
            .arg(levelColors[level], picturePath, selected ? QStringLiteral("MaxB.png") : QStringLiteral("MinB.png")));
}

void SensorDPI::refreshLevelBar(int level)
{
    styleLevelBar(level, levelBars[level]->isChecked());
}

void SensorDPI::restLevelBar(int level)
{
    levelBars[level]->setGeometry(levelBarRects[level]);
    styleLevelBar(level, false);
}

// A level's button and its bar select together; the user's selection also
// makes the level current on the device.
void SensorDPI::levelToggled(int level, bool checked)
{
    styleLevelButton(level, checked);
    if (!checked)
        return;
    levelBars[level]->setChecked(true);
    if (!g_deviceUiLive || g_sensorUiFilling)
        return;
    currentLevel = level;
    ui->label_8->move(MarkerSpots[level]);
    setCurrentDpiLevel(level);
}

void SensorDPI::barToggled(int level, bool checked)
{
    if (!checked) {
        restLevelBar(level);
        return;
    }
    const QRect rest = levelBarRects[level];
    levelBars[level]->setGeometry(rest.x() - 8, rest.y() + 6, 66, 14);
    levelButton(level)->setChecked(true);
    styleLevelBar(level, true);
    showLevelValue(level);
}

void SensorDPI::exchangeShownLevels(int from, int to)
{
    const int fromValue = levelValue(from);
    const int toValue = levelValue(to);
    std::swap(levelColors[from], levelColors[to]);
    refreshLevelBar(from);
    levelButton(from)->setText(QString::number(toValue));
    refreshLevelBar(to);
    ui->label_8->move(MarkerSpots[to]);
    levelButton(to)->setText(QString::number(fromValue));
    levelButton(to)->setChecked(true);
}

// The slider keeps the value it was given; the level and the box show the
// value taken (snapped when the user set it).
void SensorDPI::on_horizontalSliderC_valueChanged(int value)
{
    const int level = checkedLevel();
    if (takeSliderValue(ui->horizontalSliderC, level, value) && level >= 0)
        levelButton(level)->setText(QString::number(value));
    ui->spinBoxA->setValue(value);
}

void SensorDPI::on_horizontalSliderC_sliderMoved(int position)
{
    ui->spinBoxA->setValue(snapOnto(ui->horizontalSliderC, position));
}

void SensorDPI::on_AddLevelA_clicked()
{
    stepValue(true);
}

void SensorDPI::on_ReduceLevelA_clicked()
{
    stepValue(false);
}

void SensorDPI::stepValue(bool up)
{
    if (stopsOffline())
        return;
    const int value = ui->spinBoxA->value();
    ui->horizontalSliderC->setValue(up ? g_dpiRange.stepUp(value) : g_dpiRange.stepDown(value));
}

void SensorDPI::SetColor(const QColor &color)
{
    const auto checked = std::find_if(levelBars.cbegin(), levelBars.cend(), [](QToolButton *bar) { return bar->isChecked(); });
    if (checked == levelBars.cend())
        return;
    const int level = int(checked - levelBars.cbegin());
    levelColors[level] = QStringLiteral("%1,%2,%3").arg(color.red()).arg(color.green()).arg(color.blue());
    if (g_deviceUiLive && !g_sensorUiFilling)
        setDpiLevelColor(level, color.red(), color.green(), color.blue());
    refreshLevelBar(level);
}

void SensorDPI::mousePressEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton || !ui->label_8->geometry().contains(event->pos()))
        return;
    dragging = true;
    dragOffset = event->pos() - ui->label_8->pos();
}

// Leaving the panel ends the drag where the pointer left.
void SensorDPI::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton || !dragging)
        return;
    if (dragArea.contains(event->pos()))
        ui->label_8->move(event->pos() - dragOffset);
    else
        dropMarker(event->pos());
}

void SensorDPI::mouseReleaseEvent(QMouseEvent *event)
{
    if (dragging)
        dropMarker(event->pos());
}

// The distance counts from the current level's spot, not from where the
// marker was picked up. A drop beyond the last shown level tells the device
// its current level again.
void SensorDPI::dropMarker(const QPoint &position)
{
    dragging = false;
    const QPoint home = MarkerSpots[currentLevel];
    const int x = position.x();
    if (!ui->label_8->geometry().contains(position) || x < FirstDropX || x > LastDropX) {
        ui->label_8->move(home);
        return;
    }
    const int shownIndex = ui->ChooseEvent->currentIndex();
    if (shownIndex >= 0 && shownIndex < int(DropLimits.size()) && x > DropLimits[shownIndex]) {
        ui->label_8->move(home);
        if (g_deviceUiLive)
            setCurrentDpiLevel(currentLevel);
        return;
    }
    const int steps = dropSteps(x - home.x());
    if (steps == 0 || !isLevel(currentLevel + steps)) {
        ui->label_8->move(home);
        return;
    }
    ui->label_8->move(home.x() + LevelPitch * steps, home.y());
    currentLevel += steps;
    applyDraggedLevel(currentLevel);
    if (g_deviceUiLive)
        setCurrentDpiLevel(currentLevel);
}
