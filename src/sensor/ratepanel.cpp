#include "ratepanel.h"

#include "configurationsenders.h"
#include "deferredskin.h"
#include "fittedtext.h"
#include "pagestate.h"
#include "panelstyle.h"
#include "postmsg.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>

namespace {

// The device's own rate codes, one bit each, in control order.
constexpr std::array<int, RatePanel::RateCount> RateCodes = {8, 4, 2, 1, 16, 32, 64};
// From this control on the sensor page locks its sensor mode.
constexpr int FirstFastRate = 4;

// Whether the 2000, 4000 and 8000 Hz controls show, per rate mode.
constexpr std::array<std::array<bool, 3>, 4> FastRatesShown = {{
    {false, false, false},
    {true, true, false},
    {true, false, false},
    {true, true, true},
}};

} // namespace

int RatePanel::indexOfRateCode(int code)
{
    for (int index = 0; index < RateCount; ++index) {
        if (RateCodes[index] == code)
            return index;
    }
    return -1;
}

RatePanel::RatePanel(QWidget *parent)
    : QFrame(parent)
    , m_group(new QButtonGroup(this))
{
    m_group->setExclusive(true);
}

void RatePanel::adoptForm(const RateButtons &buttons, QLabel *title)
{
    m_buttons = buttons;
    m_title = title;
    auto *skin = new DeferredSkin(this);
    for (int index = 0; index < RateCount; ++index) {
        m_group->addButton(buttons[index]);
        connect(buttons[index], &QAbstractButton::clicked, this,
                [this, index](bool checked) { rateClicked(index, checked); });
    }
    skin->setStyleSheet(title, PanelStyle::titleLabel());
}

void RatePanel::setRateChecked(int index)
{
    if (index >= 0 && index < RateCount)
        m_buttons[index]->setChecked(true);
}

void RatePanel::setRateMode(int mode)
{
    if (mode < 0 || mode >= int(FastRatesShown.size()))
        return;
    for (int fast = 0; fast < 3; ++fast)
        m_buttons[FirstFastRate + fast]->setVisible(FastRatesShown[mode][fast]);
}

// The second layout's title is narrower than many a language's name of the rate.
void RatePanel::setTitleText(const QString &text)
{
    setFittedText(m_title, text);
}

// An offline device keeps its rate; the sender reports it, and the page
// shows the device's rate again when the device next reports it.
void RatePanel::rateClicked(int index, bool checked) const
{
    if (!checked || !g_deviceUiLive)
        return;
    if (setReportRate(RateCodes[index]))
        emit PostMsg::instance()->SigHideModel(index >= FirstFastRate ? 1 : 0);
}
