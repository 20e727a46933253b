#include "sensor.h"

#include "appinfo.h"
#include "configinistore.h"
#include "configurationsenders.h"
#include "deferredskin.h"
#include "deviceallinfo.h"
#include "dpilightbrightness.h"
#include "languagetables.h"
#include "myconmbobox.h"
#include "pagestate.h"
#include "panelstyle.h"
#include "postmsg.h"
#include "ratepanel.h"
#include "sensormodel.h"
#include "ui_sensor.h"

#include <QDir>
#include <QFile>
#include <QListView>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QTextStream>

#include <algorithm>
#include <array>

namespace {

const QString ModeSwitch = QStringLiteral("SUPPORT_SENSOR_MODE_SEL");
// The sensor mode the fast rates impose, never sent: the device takes it itself.
constexpr int CordedMode = 2;

// The page's scroll bar: dark, leaving room for arrows it does not draw.
const char PageScrollBar[] =
    "QFrame#SenSorPage QScrollBar:vertical{width:13px;background:rgb(30,30,30);margin:25px 0px 25px 0px;}"
    "QFrame#SenSorPage QScrollBar::handle:vertical{background:rgb(117,117,117);border-radius:3px;min-height:30px;}"
    "QFrame#SenSorPage QScrollBar::add-line:vertical,QFrame#SenSorPage QScrollBar::sub-line:vertical"
    "{height:25px;background:transparent;}"
    "QFrame#SenSorPage QScrollBar::add-page:vertical,QFrame#SenSorPage QScrollBar::sub-page:vertical,"
    "QFrame#SenSorPage QScrollBar::up-arrow:vertical,QFrame#SenSorPage QScrollBar::down-arrow:vertical"
    "{background:transparent;}";
// The full-performance times of the duration list, in units of 10 seconds.
constexpr std::array<int, 6> PerformanceTimes = {3, 6, 12, 30, 60, 90};
// A model without a DPI range of its own keeps this slider range.
constexpr int DefaultDpiMinimum = 50;
constexpr int DefaultDpiMaximum = 26000;
constexpr int RateIndex1000Hz = 3;

// What each connection kind (receiver classes 0, 1, 4 and 5, the mouse on
// its cable 2 and 3) allows and starts with.
struct KindDefaults
{
    int rateMode;
    int rateIndex;
    int modelChoice;
};
constexpr std::array<KindDefaults, 6> KindTable = {{
    {0, RateIndex1000Hz, 0},
    {1, RateIndex1000Hz, CordedMode},
    {0, RateIndex1000Hz, 0},
    {3, 6, CordedMode},
    {2, RateIndex1000Hz, CordedMode},
    {3, 6, CordedMode},
}};

const KindDefaults *defaultsOfKind(int kind)
{
    return kind >= 0 && kind < int(KindTable.size()) ? &KindTable[std::size_t(kind)] : nullptr;
}

bool isFastRate(int code)
{
    return code == 16 || code == 32 || code == 64;
}

// Receivers of the 2000 Hz class and up, whose fast rates impose the "Corded" mode.
bool isFastReceiver(int kind)
{
    return kind == 1 || kind == 4 || kind == 5;
}

QString colourHex(const DPIGrade &grade)
{
    return QStringLiteral("#%1%2%3")
        .arg(grade.red, 2, 16, QLatin1Char('0'))
        .arg(grade.green, 2, 16, QLatin1Char('0'))
        .arg(grade.blue, 2, 16, QLatin1Char('0'));
}

QString sensorText(int language, int position)
{
    return languageText(LanguageSection::Sensor, language, position);
}

} // namespace

Sensor::Sensor(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::Sensor)
    , sensorPageDir(dataFolderPath() + QStringLiteral("/usersetting/SensorPage"))
    , pictureDir(PanelStyle::sensorPictureFolder())
{
    ui->setupUi(this);
    PostMsg *hub = PostMsg::instance();
    connect(hub, SIGNAL(SigHideModel(int)), this, SLOT(SlotHideModel(int)));
    QDir().mkpath(sensorPageDir);
    readLevelFile();
    styleControls();
    g_sensorCapabilities = SensorCapabilities::load();
    const auto blocking = Qt::BlockingQueuedConnection;
    connect(hub, SIGNAL(SigUpDataLightSensor(FlashDataMap)), this, SLOT(SlotUpDataSenSorUISensor(FlashDataMap)),
            blocking);
    connect(hub, SIGNAL(SigFormReset()), this, SLOT(SlotFormReset()), blocking);
    connect(hub, SIGNAL(SigUpDataReportRate(int)), this, SLOT(SlotUpDataReportRate(int)), blocking);
    connect(hub, SIGNAL(SigUpDataDPI(int)), this, SLOT(SlotUpDataDPI(int)), blocking);
    connect(hub, SIGNAL(SigUpDataDPILed(FlashDataMap)), this, SLOT(SlotUpDataDPILed(FlashDataMap)), blocking);
    connect(hub, SIGNAL(SigUpDataSensorUIB(FlashDataMap)), this, SLOT(SlotUpDataSenSorUIB(FlashDataMap)));
    connect(hub, SIGNAL(SigAllLanguage(int)), this, SLOT(SlotAllLanguage(int)));
    SlotAllLanguage(currentLanguageIndex);
}

Sensor::~Sensor()
{
    delete ui;
}

void Sensor::styleControls()
{
    // The page is built at start-up and shows only once a device is opened.
    auto *skin = new DeferredSkin(this);
    // Its sheet reaches every control of the page.
    skin->setStyleSheet(ui->SenSorPage, QLatin1String(PageScrollBar));
    for (MyConmboBox *list : {ui->ModelChoose, ui->PerformanceOpen}) {
        skin->setStyleSheet(list, PanelStyle::comboBox(pictureDir));
        list->useSelectionColouredView();
    }
    ui->PerformanceOpen->setMaxVisibleItems(5);
    // The panels are framed in the form, but on the page's dark ground a frame
    // shows only where a panel's controls leave its edge bare: none is drawn.
    for (QFrame *panel : std::initializer_list<QFrame *>{ui->frame, ui->frame_3, ui->frame_4, ui->frameLOD,
                                                         ui->frameEffect, ui->frameRate, ui->frameDpi})
        panel->setFrameShape(QFrame::NoFrame);
    skin->setStyleSheet(ui->label_5, PanelStyle::titleLabel());
    skin->setStyleSheet(ui->label_11, PanelStyle::titleLabel());
    skin->setStyleSheet(
        ui->Performance,
        QStringLiteral("QCheckBox{color: rgb(%1;);}QCheckBox::indicator:checked {image: url(%2CheckBoxChecked.png);}"
                       "QCheckBox::indicator:unchecked {image: url(%2CheckBox.png);}")
            .arg(ConfigIniStore::instance()->colourText(QStringLiteral("LabelColor")), pictureDir));
    for (QToolButton *mark : {ui->TitleButton, ui->TitleButton_2, ui->TitleButton_3, ui->TitleButton_4})
        skin->setStyleSheet(mark, QStringLiteral("#%1{border-image: url(%2Title.png);}").arg(mark->objectName(), pictureDir));
}

void Sensor::SlotUpDataSenSorUISensor(FlashDataMap DataMap)
{
    g_sensorUiApplied = false;
    fillFrom(DataMap);
    g_sensorUiApplied = true;
}

void Sensor::SlotUpDataSenSorUIB(FlashDataMap DataMap)
{
    fillFrom(DataMap);
}

// While the page fills, the panels send nothing and the senders stay silent
// about an offline device. The slider's own signals stay blocked, so that
// the level values it is given do not run its handling.
void Sensor::fillFrom(const FlashDataMap &record)
{
    SensorDPI *dpi = ui->frameDpi;
    dpi->clearLevelCountItems();
    dpi->blockSliderSignals(true);
    dpi->setSliderEnabled(true);
    ui->frameEffect->setSlidersEnabled(true);
    g_sensorUiFilling = true;
    const DeviceAllInfo device = CurrentDevice.get();
    dpi->setLevelCount(record.DPIGradeCount);
    dpi->setCurrentLevelIndex(record.CurrentDPIGrade);
    ui->frameRate->setRateChecked(RatePanel::indexOfRateCode(record.ReportRate));
    // A mouse on its cable shows 1000 Hz for a 2000 or 4000 Hz rate.
    if (device.isWired && (record.ReportRate == 16 || record.ReportRate == 32))
        ui->frameRate->setRateChecked(RateIndex1000Hz);
    const ConfigIniStore *config = ConfigIniStore::instance();
    const QString group = device.driveGroup();
    readSensorModel(*config, device.driveIndex + 1);
    if (currentSensorId == QLatin1String("3950"))
        ui->frameLOD->addShortLodItem();
    else
        ui->frameLOD->removeShortLodItem();
    showSensorMode(record, device);
    ui->frameLOD->setLodValue(record.LOD - 1);
    showPerformance(record);
    ui->frame->setSwitchChecked(record.RippeControl != 0);
    ui->frame_4->setSwitchChecked(record.StraightLine != 0);
    ui->frame_3->setSwitchChecked(record.MotionSync != 0);
    showDpiLight(record);
    showDpiLevels(record, modelDpiLevelCount(*config, device.driveIndex + 1));
    useLayout(config->value(group, QStringLiteral("XIn1")).toInt());
    if (const KindDefaults *defaults = defaultsOfKind(device.kind))
        ui->frameRate->setRateMode(defaults->rateMode);
    showFeatureSwitches();
    dpi->blockSliderSignals(false);
    g_sensorUiFilling = false;
}

void Sensor::showSensorMode(const FlashDataMap &record, const DeviceAllInfo &device)
{
    if (!currentSensorHas(ModeSwitch)) {
        ui->ModelChoose->setEnabled(false);
        return;
    }
    if (device.isWired || (isFastReceiver(device.kind) && isFastRate(record.ReportRate)))
        lockModelChoice();
    else
        releaseModelChoice(record.ModelChoose);
}

void Sensor::showPerformance(const FlashDataMap &record)
{
    ui->Performance->setChecked(record.Performance != 0);
    ui->PerformanceOpen->setEnabled(record.Performance != 0);
    const auto time = std::find(PerformanceTimes.cbegin(), PerformanceTimes.cend(), record.PerformanceTime);
    if (time != PerformanceTimes.cend())
        ui->PerformanceOpen->setCurrentIndex(int(time - PerformanceTimes.cbegin()));
}

void Sensor::showDpiLight(const FlashDataMap &record)
{
    if (record.DPILedEnable == 0)
        ui->frameEffect->setEffectMode(0);
    else if (record.DPILedMode == 1 || record.DPILedMode == 2)
        ui->frameEffect->setEffectMode(record.DPILedMode);
    ui->frameEffect->setSpeedValue(record.DPILedSpeed);
    ui->frameEffect->setBrightnessValue(dpiLightBrightnessStep(record.DPILedBrightness));
}

// A count byte of 0 leaves the count list without a choice; a current level
// beyond the record's eight selects and marks nothing.
void Sensor::showDpiLevels(const FlashDataMap &record, int levels)
{
    SensorDPI *dpi = ui->frameDpi;
    const int current = record.CurrentDPIGrade;
    dpi->blockLevelCountSignals(true);
    for (int level = 0; level < levels; ++level) {
        dpi->setLevelColor(level, colourHex(record.DPIGrades[level]));
        dpi->insertLevelCountItem(level, QString::number(level + 1));
    }
    dpi->blockLevelCountSignals(false);
    dpi->markCurrentLevel(current);
    showDpiRange();
    for (int level = 0; level < levels; ++level) {
        const DPIGrade &grade = record.DPIGrades[level];
        const int value = decodeDpiValue(grade.x, grade.flags);
        dpi->setLevelText(level, QString::number(value));
        if (level == current) {
            dpi->setSliderValue(value);
            dpi->setSpinValue(value);
        }
    }
    dpi->showLevelCount(record.DPIGradeCount - 1);
    dpi->setLevelCountIndex(record.DPIGradeCount - 1);
    dpi->moveLevelMarker(current + 1);
    dpi->setLevelChecked(current);
}

// A range that names no DPI would leave the slider at 0, and 0 would be sent.
void Sensor::showDpiRange()
{
    dpiMinText = g_dpiRange.minimumText();
    dpiMaxText = g_dpiRange.maximumText();
    const int minimum = dpiMinText.toInt();
    const int maximum = dpiMaxText.toInt();
    const bool usable = minimum > 0 && maximum >= minimum;
    ui->frameDpi->setSliderMaximum(usable ? maximum : DefaultDpiMaximum);
    ui->frameDpi->setSliderMinimum(usable ? minimum : DefaultDpiMinimum);
}

// "XIn1" 2: a model without sensor options; the DPI light moves up into
// their place.
void Sensor::useLayout(int xIn1)
{
    const bool reduced = xIn1 == 2;
    for (QWidget *widget : std::initializer_list<QWidget *>{ui->TitleButton_4, ui->label_5, ui->label_11,
                                                            ui->ModelChoose, ui->frameLOD, ui->Performance,
                                                            ui->PerformanceOpen, ui->frame, ui->frame_4, ui->frame_3})
        widget->setVisible(!reduced);
    ui->frameEffect->move(80, reduced ? 316 : 456);
    ui->TitleButton_3->move(40, reduced ? 323 : 463);
}

// A sensor option shows when the sensor has it, in either layout.
void Sensor::showFeatureSwitches()
{
    ui->frameLOD->setLodEnabled(currentSensorHas(QStringLiteral("SUPPORT_LOD_CAL")));
    ui->frame->setVisible(currentSensorHas(QStringLiteral("SUPPORT_RIPPLE")));
    ui->frame_4->setVisible(currentSensorHas(QStringLiteral("SUPPORT_FIXLINE")));
    ui->frame_3->setVisible(currentSensorHas(QStringLiteral("SUPPORT_MOTION_SYNC")));
}

void Sensor::releaseModelChoice(int mode)
{
    ui->ModelChoose->setEnabled(true);
    selectModelChoice(mode);
    modelChooseView()->setRowHidden(CordedMode, true);
}

void Sensor::lockModelChoice()
{
    modelChooseView()->setRowHidden(CordedMode, false);
    selectModelChoice(CordedMode);
    ui->ModelChoose->setEnabled(false);
}

// The list's view changes once, when the list first pops up.
QListView *Sensor::modelChooseView() const
{
    return static_cast<QListView *>(ui->ModelChoose->view());
}

// The device's own mode is shown, not chosen: it goes back to nobody.
void Sensor::selectModelChoice(int index)
{
    const QSignalBlocker blocker(ui->ModelChoose);
    ui->ModelChoose->setCurrentIndex(index);
}

void Sensor::SlotFormReset()
{
    g_sensorUiFilling = true;
    SensorDPI *dpi = ui->frameDpi;
    dpi->setSliderMaximum(DefaultDpiMaximum);
    dpi->setSliderMinimum(DefaultDpiMinimum);
    dpi->loadLevelDefaults();
    dpi->clearLevelCountItems();
    for (int level = 0; level < 5; ++level)
        dpi->insertLevelCountItem(level, QString::number(level + 1));
    dpi->blockLevelCountSignals(false);
    dpi->showLevelCount(4);
    dpi->setLevelCountIndex(4);
    dpi->moveLevelMarker(2);
    dpi->setLevelChecked(1);
    dpi->setSliderValue(800);
    dpi->setSpinValue(800);
    const DeviceAllInfo device = CurrentDevice.get();
    if (const KindDefaults *defaults = defaultsOfKind(device.kind)) {
        ui->frameRate->setRateMode(defaults->rateMode);
        ui->frameRate->setRateChecked(defaults->rateIndex);
        selectModelChoice(defaults->modelChoice);
    }
    if (device.isWired)
        selectModelChoice(CordedMode);
    {
        const QSignalBlocker blocker(ui->PerformanceOpen);
        ui->PerformanceOpen->setCurrentIndex(0);
    }
    ui->frameLOD->setLodValue(0);
    ui->frameEffect->setEffectMode(2);
    ui->frameEffect->setSpeedValue(3);
    ui->frameEffect->setBrightnessValue(5);
    ui->Performance->setEnabled(true);
    ui->Performance->setChecked(true);
    ui->PerformanceOpen->setEnabled(true);
    ui->frame_3->setSwitchChecked(true);
    ui->frame_4->setSwitchChecked(false);
    ui->frame->setSwitchChecked(false);
    g_sensorUiFilling = false;
}

void Sensor::SlotUpDataReportRate(int index)
{
    const int rate = RatePanel::indexOfRateCode(index);
    if (rate < 0)
        return;
    ui->frameRate->setRateChecked(rate);
    if (!currentSensorHas(ModeSwitch) || CurrentDevice.get().isWired)
        return;
    if (isFastRate(index))
        lockModelChoice();
    else
        releaseModelChoice(DeviceProtocolData.get().ModelChoose);
}

// The marker and the level follow the device without telling it back.
void Sensor::SlotUpDataDPI(int index)
{
    if (index < 0 || index >= SensorDPI::LevelCount)
        return;
    const bool live = g_deviceUiLive.exchange(false);
    ui->frameDpi->moveLevelMarker(index + 1);
    ui->frameDpi->setLevelChecked(index);
    ui->frameDpi->setCurrentLevelIndex(index);
    g_deviceUiLive = live;
}

void Sensor::SlotUpDataDPILed(FlashDataMap DataMap)
{
    g_sensorUiFilling = true;
    showDpiLight(DataMap);
    g_sensorUiFilling = false;
}

void Sensor::SlotHideModel(int index)
{
    if (!currentSensorHas(ModeSwitch))
        return;
    const DeviceAllInfo device = CurrentDevice.get();
    if (index == 0 && !device.isWired)
        releaseModelChoice(DeviceProtocolData.get().ModelChoose);
    else if (index == 1 && isFastReceiver(device.kind))
        lockModelChoice();
}

void Sensor::on_Performance_toggled(bool checked)
{
    ui->PerformanceOpen->setEnabled(checked);
}

// A list left without a current entry reports -1, no mode.
void Sensor::on_ModelChoose_currentIndexChanged(int index)
{
    if (g_deviceUiLive && !g_sensorUiFilling && index >= 0 && index != CordedMode)
        setModelChoice(index);
}

// The lift-off panel sends its own choice.
void Sensor::on_LOD_currentIndexChanged(int)
{
}

void Sensor::on_Performance_clicked(bool checked)
{
    if (g_deviceUiLive)
        setPerformanceEnabled(checked ? 1 : 0);
}

void Sensor::on_PerformanceOpen_currentIndexChanged(int index)
{
    if (g_deviceUiLive && !g_sensorUiFilling && index >= 0 && index < int(PerformanceTimes.size()))
        setPerformanceLevel(PerformanceTimes[std::size_t(index)]);
}

void Sensor::on_RippeControl_clicked(bool checked)
{
    if (g_deviceUiLive)
        setRippleControl(checked ? 1 : 0);
}

void Sensor::on_StraightLine_clicked(bool checked)
{
    if (g_deviceUiLive)
        setStraightLine(checked ? 1 : 0);
}

void Sensor::on_MotionSync_clicked(bool checked)
{
    if (g_deviceUiLive)
        setMotionSync(checked ? 1 : 0);
}

void Sensor::on_pushButton_clicked()
{
    ui->frameLOD->addShortLodItem();
}

void Sensor::on_pushButton_2_clicked()
{
    ui->frameLOD->removeShortLodItem();
}

void Sensor::changeEvent(QEvent *event)
{
    ui->PerformanceOpen->setEnabled(ui->Performance->isChecked());
    QWidget::changeEvent(event);
}

void Sensor::SlotAllLanguage(int index)
{
    ui->frameDpi->setTitleText(sensorText(index, 0));
    ui->frameRate->setTitleText(sensorText(index, 1));
    ui->label_5->setText(sensorText(index, 2));
    ui->label_11->setText(sensorText(index, 3));
    ui->frameLOD->setTitleText(sensorText(index, 4));
    ui->Performance->setText(sensorText(index, 5));
    ui->frame->setTitleText(sensorText(index, 6));
    ui->frame_4->setTitleText(sensorText(index, 7));
    ui->frame_3->setTitleText(sensorText(index, 8));
    for (int item = 0; item < int(PerformanceTimes.size()); ++item)
        ui->PerformanceOpen->setItemText(item, sensorText(index, 9 + item));
    ui->frameEffect->setTitleText(sensorText(index, 15));
    for (int mode = 0; mode < 3; ++mode)
        ui->frameEffect->setModeItemText(mode, sensorText(index, 16 + mode));
    ui->frameEffect->setSpeedText(sensorText(index, 19));
    ui->frameEffect->setBrightnessText(sensorText(index, 20));
    ui->label_11->setToolTip(sensorText(index, 21));
    ui->frameLOD->setTitleToolTip(sensorText(index, 22));
    ui->Performance->setToolTip(sensorText(index, 23));
    ui->frame_3->setTitleToolTip(sensorText(index, 24));
    ui->frame_4->setTitleToolTip(sensorText(index, 25));
    ui->frame->setTitleToolTip(sensorText(index, 26));
}

// The level count the user kept last time; a missing or empty file gives 1.
void Sensor::readLevelFile()
{
    QFile file(sensorPageDir + QStringLiteral("/Level.ini"));
    QString line;
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        line = QTextStream(&file).readLine();
    ui->frameDpi->setLevelCount(line.isEmpty() ? 1 : line.toInt());
}

void Sensor::writeLevelFile(int count)
{
    QSaveFile file(sensorPageDir + QStringLiteral("/Level.ini"));
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        file.write(QByteArray::number(count));
        file.commit();
    }
}

void Sensor::setButtonIcon(QAbstractButton *button, const QString &picture)
{
    button->setIconSize(button->size());
    button->setIcon(QIcon(picture));
}
