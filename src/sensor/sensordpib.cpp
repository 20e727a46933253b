#include "sensordpib.h"

#include "configurationsenders.h"
#include "deferredskin.h"
#include "pagestate.h"
#include "panelstyle.h"
#include "ui_sensordpib.h"

#include <QColor>
#include <QSignalBlocker>

namespace {

const std::array<QString, DpiLevelPanel::LevelCount> DefaultColours = {
    QStringLiteral("#ff0000"), QStringLiteral("#ffff00"), QStringLiteral("#ffaa00"), QStringLiteral("#00ff00"),
    QStringLiteral("#aaffff"), QStringLiteral("#aa55ff"), QStringLiteral("#9f0000"), QStringLiteral("#00d4d4")};

const std::array<QString, DpiLevelPanel::LevelCount> FixedColours = {
    QStringLiteral("#ff0000"), QStringLiteral("#00ffff"), QStringLiteral("#00ff00"), QStringLiteral("#ffffff"),
    QStringLiteral("#00ffff"), QStringLiteral("#ff557d"), QStringLiteral("#ff00ff"), QStringLiteral("#00ffff")};

} // namespace

SensorDPIB::SensorDPIB(QWidget *parent)
    : DpiLevelPanel(parent)
    , ui(new Ui::SensorDPIB)
    , picturePath(PanelStyle::sensorPictureFolder())
    , levelColors(DefaultColours)
{
    ui->setupUi(this);
    toggles = {ui->MA, ui->MB, ui->MC, ui->MD, ui->ME, ui->MF, ui->MG, ui->MH};
    colourButtons = {ui->BlueButtonA,  ui->BrightRedButtonA, ui->RedButtonA,       ui->YellowButtonA,
                     ui->GreenButtonA, ui->PurpleButtonA,    ui->LightBlueButtonA, ui->LightYellowButtonA};
    sliders = {ui->horizontalSliderA, ui->horizontalSliderB, ui->horizontalSliderC, ui->horizontalSliderD,
               ui->horizontalSliderE, ui->horizontalSliderF, ui->horizontalSliderG, ui->horizontalSliderH};
    valueBoxes = {ui->spinBoxA, ui->spinBoxB, ui->spinBoxC, ui->spinBoxD,
                  ui->spinBoxE, ui->spinBoxF, ui->spinBoxG, ui->spinBoxH};
    LevelButtons buttons;
    std::copy(toggles.cbegin(), toggles.cend(), buttons.begin());
    adoptForm(ui->label, ui->ChooseEvent, buttons, {sliders.cbegin(), sliders.cend()});
    const QString toggleLook = PanelStyle::checkBox(picturePath);
    const QString sliderLook = PanelStyle::slider(picturePath, QStringLiteral("255,255,255"));
    const QString boxLook = PanelStyle::framedValueBox(QStringLiteral("transparent"));
    for (int level = 0; level < LevelCount; ++level) {
        skin()->setStyleSheet(toggles[level], toggleLook);
        skin()->setStyleSheet(sliders[level], sliderLook);
        skin()->setStyleSheet(valueBoxes[level], boxLook);
        applyLevelColor(level);
        connect(sliders[level], &QSlider::valueChanged, this,
                [this, level](int value) { levelSliderChanged(level, value); });
        connect(toggles[level], &QCheckBox::toggled, this, [this, level](bool checked) { levelToggled(level, checked); });
        connect(colourButtons[level], &QToolButton::clicked, this, [this, level] {
            pickerLevel = level;
            showColorPicker(QColor(levelColors[level]));
        });
    }
}

SensorDPIB::~SensorDPIB()
{
    delete ui;
}

void SensorDPIB::setSliderValue(int value, int level)
{
    if (isLevel(level))
        showOwnValue(sliders[level], value);
}

void SensorDPIB::setSpinValue(int value, int level)
{
    if (isLevel(level))
        valueBoxes[level]->setValue(value);
}

void SensorDPIB::setLevelText(int level, const QString &text)
{
    setSliderValue(text.toInt(), level);
    setSpinValue(text.toInt(), level);
}

void SensorDPIB::setLevelColor(int level, const QString &hex)
{
    if (isLevel(level))
        levelColors[level] = hex;
}

void SensorDPIB::refreshLevelColors()
{
    for (int level = 0; level < LevelCount; ++level)
        applyLevelColor(level);
}

void SensorDPIB::showFixedLevelColors()
{
    for (int level = 0; level < LevelCount; ++level)
        styleColourButton(level, FixedColours[level]);
}

void SensorDPIB::applyLevelColor(int level)
{
    if (isLevel(level))
        styleColourButton(level, levelColors[level]);
}

void SensorDPIB::styleColourButton(int level, const QString &colour)
{
    skin()->setStyleSheet(
        colourButtons[level],
        QStringLiteral("QToolButton{border:0px;border-radius:3px;background-position:center;"
                       "background-repeat:no-repeat;background-color:%1;}")
            .arg(colour));
}

void SensorDPIB::showLevelCount(int lastLevel)
{
    if (!isLevel(lastLevel))
        return;
    for (int level = 0; level < LevelCount; ++level) {
        const bool shown = level <= lastLevel;
        toggles[level]->setVisible(shown);
        colourButtons[level]->setVisible(shown);
        sliders[level]->setVisible(shown);
        valueBoxes[level]->setVisible(shown);
    }
}

void SensorDPIB::exchangeShownLevels(int from, int to)
{
    blockSliderSignals(true);
    const int fromValue = valueBoxes[from]->value();
    const int toValue = valueBoxes[to]->value();
    std::swap(levelColors[from], levelColors[to]);
    applyLevelColor(from);
    sliders[from]->setValue(toValue);
    valueBoxes[from]->setValue(toValue);
    applyLevelColor(to);
    sliders[to]->setValue(fromValue);
    valueBoxes[to]->setValue(fromValue);
    toggles[to]->setChecked(true);
    blockSliderSignals(false);
}

// The slider keeps the value it was given; the box shows the value taken
// (snapped when the user set it).
void SensorDPIB::levelSliderChanged(int level, int value)
{
    takeSliderValue(sliders[level], level, value);
    valueBoxes[level]->setValue(value);
}

void SensorDPIB::levelToggled(int level, bool checked)
{
    if (!checked || !g_deviceUiLive || g_sensorUiFilling)
        return;
    currentLevel = level;
    setCurrentDpiLevel(level);
}

void SensorDPIB::SetColor(const QColor &color)
{
    levelColors[pickerLevel] = color.name();
    if (g_deviceUiLive && !g_sensorUiFilling)
        setDpiLevelColor(pickerLevel, color.red(), color.green(), color.blue());
    applyLevelColor(pickerLevel);
}
