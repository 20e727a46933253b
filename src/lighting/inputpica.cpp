#include "inputpica.h"

#include "founddevices.h"
#include "screenclock.h"
#include "screendevices.h"
#include "ui_inputpica.h"

#include <HIDUsb.h>

#include <QDateTime>
#include <QTimer>

namespace {

constexpr int TickMilliseconds = 200;
// A clock packet goes out every this many ticks: every ten seconds.
constexpr int TicksPerPacket = 50;

} // namespace

InputPicA::InputPicA(QWidget *parent)
    : ScreenDialog(parent)
    , ui(new Ui::InputPicA)
    , m_clockTimer(new QTimer(this))
{
    ui->setupUi(this);
    m_clockTimer->setInterval(TickMilliseconds);
    connect(m_clockTimer, &QTimer::timeout, this, &InputPicA::onEraseChipTimeTimer);
    dress(screenDialogWidgets(ui));
}

InputPicA::~InputPicA()
{
    delete ui;
}

void InputPicA::startScreenWatch(bool on)
{
    if (!on)
        return;
    m_ticks = 0;
    m_clockTimer->start();
    StartUsbChanged(enumerateScreenDevices, HotplugInterval);
}

void InputPicA::onEraseChipTimeTimer()
{
    if (++m_ticks < TicksPerPacket)
        return;
    m_ticks = 0;
    syncScreenClock(QDateTime::currentDateTime());
}
