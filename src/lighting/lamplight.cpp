#include "lamplight.h"

#include "appinfo.h"
#include "configurationsenders.h"
#include "deferredskin.h"
#include "languagetables.h"
#include "lightingforms.h"
#include "lightingskin.h"
#include "pagestate.h"
#include "panelstyle.h"
#include "postmsg.h"
#include "stopclosetime.h"
#include "ui_lamplight.h"

#include <QMouseEvent>

namespace {

// The sliders show 1 to 10; the record holds 0 to 9.
constexpr int SliderOffset = 1;

// What the page shows when no record exists.
constexpr int ResetMode = 1;
constexpr int ResetBrightness = 10;
constexpr int ResetSpeed = 8;
// One minute.
constexpr int ResetIdleIndex = 2;

// The record holds the idle time in units of 10 seconds.
constexpr int SecondsPerSleepUnit = 10;
constexpr int IdleTimeCount = 11;

// Sends only while the device pages are live and the page is not filling
// itself from a record.
bool sendsAllowed()
{
    return g_deviceUiLive && !g_lightUiFilling;
}

class FillingGuard
{
public:
    FillingGuard() { g_lightUiFilling = true; }
    ~FillingGuard() { g_lightUiFilling = false; }
    FillingGuard(const FillingGuard &) = delete;
    FillingGuard &operator=(const FillingGuard &) = delete;
};

} // namespace

LampLight::LampLight(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::LampLight)
    , picturePath(programFolderPath() + QStringLiteral("/Picture/Light/"))
{
    ui->setupUi(this);
    m_colours = new LightColourPanel(colourPanelWidgets(ui), picturePath, this);
    m_colours->setChangeGate([this] { return deviceAllowsChange(); });
    connect(m_colours, &LightColourPanel::colourChanged, this, &LampLight::sendColour);
    m_layout = std::make_unique<LightModeLayout>(QList<QWidget *>{ui->horizontalLight, ui->LightSpinBox_2}, ui->line,
                                                 QList<QWidget *>{ui->horizontalSpeed, ui->SpeedSpinBox_2},
                                                 ui->line_2, colourControls(ui));
    // A page that appears while the device pages are live starts with the
    // lights off, as its list shows.
    on_LightMod_currentIndexChanged(ui->LightMod->currentIndex());
    applySkin();

    PostMsg *hub = PostMsg::instance();
    connect(hub, SIGNAL(SigAllLanguage(int)), this, SLOT(SlotAllLanguage(int)));
    SlotAllLanguage(currentLanguageIndex);
    const auto blocking = Qt::BlockingQueuedConnection;
    connect(hub, SIGNAL(SigUpDataLightLight(FlashDataMap)), this, SLOT(SlotUpDataLightUILight(FlashDataMap)), blocking);
    connect(hub, SIGNAL(SigFormReset()), this, SLOT(SlotFormResetLight()), blocking);
    connect(hub, SIGNAL(SigUpDataLightUIA(FlashDataMap)), this, SLOT(SlotUpDataLightUIA(FlashDataMap)));
}

LampLight::~LampLight()
{
    delete ui;
}

void LampLight::setScreenColourProbe(std::shared_ptr<const ScreenColourProbe> probe)
{
    m_colours->setScreenColourProbe(std::move(probe));
}

void LampLight::applySkin()
{
    using namespace LightingSkin;
    ui->LightMod->applyListSkin(picturePath);
    auto *skin = new DeferredSkin(this);
    for (QLabel *caption :
         QList<QLabel *>{ui->label, ui->label_2, ui->label_3, ui->label_4, ui->label_5} + colourCaptions(ui))
        skin->setStyleSheet(caption, labelStyle());
    const QString valueBox = PanelStyle::valueBox(QStringLiteral("LabelColor"));
    skin->setStyleSheet(ui->LightSpinBox_2, valueBox);
    skin->setStyleSheet(ui->SpeedSpinBox_2, valueBox);
    const QString slider = sliderStyle(picturePath, QStringLiteral("HuaKuai.png"));
    skin->setStyleSheet(ui->horizontalLight, slider);
    skin->setStyleSheet(ui->horizontalSpeed, slider);
    skin->setStyleSheet(ui->RippeControl,
                        switchStyle(picturePath, QStringLiteral("Close.png"), QStringLiteral("Open.png")));
}

void LampLight::SlotUpDataLightUILight(FlashDataMap DataMap)
{
    fillFrom(DataMap, true);
}

void LampLight::SlotUpDataLightUIA(FlashDataMap DataMap)
{
    fillFrom(DataMap, false);
}

void LampLight::fillFrom(const FlashDataMap &record, bool slidersEnabled)
{
    ui->horizontalLight->setEnabled(slidersEnabled);
    ui->horizontalSpeed->setEnabled(slidersEnabled);
    FillingGuard filling;
    const int brightness = record.LightBrightness + SliderOffset;
    const int speed = record.LightSpeed + SliderOffset;
    {
        const QSignalBlocker blockLight(ui->horizontalLight);
        const QSignalBlocker blockSpeed(ui->horizontalSpeed);
        const QSignalBlocker blockRed(ui->RSpinBox);
        const QSignalBlocker blockGreen(ui->GSpinBox);
        const QSignalBlocker blockBlue(ui->BSpinBox);
        ui->horizontalLight->setValue(brightness);
        ui->horizontalSpeed->setValue(speed);
        ui->LightSpinBox_2->setValue(brightness);
        ui->SpeedSpinBox_2->setValue(speed);
        ui->RSpinBox->setValue(record.LightR);
        ui->GSpinBox->setValue(record.LightG);
        ui->BSpinBox->setValue(record.LightB);
        m_colours->showColour(record.LightR, record.LightG, record.LightB);
    }
    // A mode the list does not hold leaves it without a current item.
    ui->LightMod->setCurrentIndex(record.LightEnable != 0 ? record.LightMode : 0);
    ui->RippeControl->setChecked(record.LightOffMoving != 0);
    // A time the list does not hold leaves it as it is.
    const int idleIndex = StopCloseTime::indexOfSeconds(record.SleepTime * SecondsPerSleepUnit);
    if (idleIndex >= 0)
        ui->frameClose->setSleepIndex(idleIndex);
}

void LampLight::SlotFormResetLight()
{
    FillingGuard filling;
    ui->LightMod->setCurrentIndex(ResetMode);
    ui->horizontalLight->setValue(ResetBrightness);
    ui->horizontalSpeed->setValue(ResetSpeed);
    ui->LightSpinBox_2->setValue(ResetBrightness);
    ui->SpeedSpinBox_2->setValue(ResetSpeed);
    ui->RippeControl->setChecked(true);
    ui->frameClose->setSleepIndex(ResetIdleIndex);
}

void LampLight::SlotAllLanguage(int index)
{
    const auto text = [index](int position) { return languageText(LanguageSection::Light, index, position); };
    ui->label->setText(text(0));
    for (int mode = 0; mode < ui->LightMod->count(); ++mode)
        ui->LightMod->setItemText(mode, text(1 + mode));
    ui->label_2->setText(text(7));
    ui->label_3->setText(text(8));
    ui->label_4->setText(text(9));
    ui->label_5->setText(text(10));
    for (int idle = 0; idle < IdleTimeCount; ++idle)
        ui->frameClose->setItemText(idle, text(11 + idle));
    ui->label_6->setText(text(22));
    ui->label_8->setText(text(23));
    ui->label_13->setText(text(24));
    ui->label_11->setText(text(25));
    ui->label_10->setText(text(26));
    ui->label_12->setText(text(27));
}

// Only a real press counts: the second press of a double click neither
// moves the focus nor picks.
void LampLight::mousePressEvent(QMouseEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return;
    const QPoint position = event->globalPos();
    m_colours->takeFocusUnlessOnBoxes(position);
    LightColourPanel::takeFocusUnlessOn({ui->LightSpinBox_2}, position, this);
    LightColourPanel::takeFocusUnlessOn({ui->SpeedSpinBox_2}, position, this);
    m_colours->pickIfOnBoard(position);
}

void LampLight::on_horizontalLight_valueChanged(int value)
{
    ui->LightSpinBox_2->setValue(value);
    if (sendsAllowed())
        setLightBrightness(value - SliderOffset);
}

void LampLight::on_horizontalSpeed_valueChanged(int value)
{
    ui->SpeedSpinBox_2->setValue(value);
    if (sendsAllowed())
        setLightSpeed(value - SliderOffset);
}

void LampLight::on_horizontalLight_sliderMoved(int position)
{
    ui->LightSpinBox_2->setValue(position);
}

void LampLight::on_horizontalSpeed_sliderMoved(int position)
{
    ui->SpeedSpinBox_2->setValue(position);
}

void LampLight::on_LightMod_currentIndexChanged(int index)
{
    if (index >= 0 && sendsAllowed())
        setLightMode(index);
    m_layout->apply(index);
}

void LampLight::on_RippeControl_clicked(bool checked)
{
    if (sendsAllowed())
        setLightOffWhileMoving(checked ? 1 : 0);
}

void LampLight::sendColour(int red, int green, int blue)
{
    if (g_deviceUiLive)
        setLightColor(red, green, blue);
}

bool LampLight::deviceAllowsChange()
{
    return !g_deviceUiLive || g_lightUiFilling || isDeviceOnline();
}
