#include "switchpanel.h"

#include "deferredskin.h"
#include "pagestate.h"
#include "panelstyle.h"

#include <QLabel>
#include <QToolButton>

SwitchPanel::SwitchPanel(Sender sender, QWidget *parent)
    : QFrame(parent)
    , m_sender(sender)
{
}

void SwitchPanel::adoptForm(QToolButton *toggle, QLabel *title)
{
    m_toggle = toggle;
    m_title = title;
    auto *skin = new DeferredSkin(this);
    const QString pictures = PanelStyle::sensorPictureFolder();
    const QString selector = QLatin1Char('#') + toggle->objectName();
    skin->setStyleSheet(toggle, QStringLiteral("%1{color: rgb(255, 255, 255);border:0px;background-position:center;"
                                               "background-repeat:no-repeat;background-image: url(%2Close.png);}"
                                               "%1:checked {background-image: url(%2Open.png);}")
                                    .arg(selector, pictures));
    skin->setStyleSheet(title, PanelStyle::titleLabel());
    connect(toggle, &QToolButton::clicked, this, &SwitchPanel::sendSwitch);
}

void SwitchPanel::setSwitchChecked(bool on)
{
    m_toggle->setChecked(on);
}

void SwitchPanel::setTitleText(const QString &text)
{
    m_title->setText(text);
}

void SwitchPanel::setTitleToolTip(const QString &text)
{
    m_title->setToolTip(text);
}

// The device keeps its old value when it is offline; the sender reports that.
void SwitchPanel::sendSwitch(bool checked) const
{
    if (g_deviceUiLive)
        m_sender(checked ? 1 : 0);
}
