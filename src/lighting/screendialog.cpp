#include "screendialog.h"

#include "appinfo.h"
#include "configinistore.h"
#include "deferredskin.h"
#include "dialogflags.h"
#include "languagetables.h"
#include "lightingskin.h"
#include "postmsg.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QSlider>

namespace {

// Pictures of /Picture/ScreeInfo/: a slot is Pic.png, PicHover.png while
// checked; import and export are Button.png, ButtonHover.png while hovered.
QString textButtonStyle(const QString &folder, const char *normal, const char *state, const char *marked)
{
    const QString colour = ConfigIniStore::instance()->colourText(QStringLiteral("ButtonColor"));
    return QStringLiteral("QToolButton{border:0px;background-position:center;background-repeat:no-repeat;"
                          "color: rgb(%1);border-image: url(%2%3);}"
                          "QToolButton:%4{border-image: url(%2%5);}")
        .arg(colour, folder, QLatin1String(normal), QLatin1String(state), QLatin1String(marked));
}

} // namespace

ScreenDialog::ScreenDialog(QWidget *parent)
    : QDialog(parent)
    , m_pictureSlots(new QButtonGroup(this))
{
}

void ScreenDialog::dress(const Widgets &widgets)
{
    m_widgets = widgets;
    const QString folder = programFolderPath() + QStringLiteral("/Picture/ScreeInfo/");
    setWindowFlags(dialogWindowFlags);
    auto *skin = new DeferredSkin(this);
    using namespace LightingSkin;
    QList<QLabel *> captions = {widgets.switchCaption, widgets.slotsCaption, widgets.brightnessCaption};
    for (QLabel *caption : captions + widgets.slotNumbers)
        skin->setStyleSheet(caption, labelStyle());
    const QString slotStyle = textButtonStyle(folder, "Pic.png", "checked", "PicHover.png");
    for (QAbstractButton *slot : widgets.pictureSlots) {
        skin->setStyleSheet(slot, slotStyle);
        m_pictureSlots->addButton(slot);
    }
    const QString buttonStyle = textButtonStyle(folder, "Button.png", "hover", "ButtonHover.png");
    skin->setStyleSheet(widgets.import, buttonStyle);
    skin->setStyleSheet(widgets.exportButton, buttonStyle);
    skin->setStyleSheet(widgets.screenSwitch,
                        switchStyle(folder, QStringLiteral("Close.png"), QStringLiteral("Open.png")));
    skin->setStyleSheet(widgets.brightness, sliderStyle(folder, QStringLiteral("Slider.png")));
    skin->setStyleSheet(widgets.closeButton, closeButtonStyle(folder, QStringLiteral("CloseButton.png")));
    skin->setStyleSheet(widgets.frame, backgroundStyle(widgets.frame, folder, QStringLiteral("Back.png")));
}

void ScreenDialog::SlotAllLanguage(int index)
{
    const auto text = [index](int position) { return languageText(LanguageSection::ScreenInfo, index, position); };
    m_widgets.switchCaption->setText(text(0));
    m_widgets.slotsCaption->setText(text(1));
    m_widgets.brightnessCaption->setText(text(2));
    m_widgets.import->setText(text(3));
    m_widgets.exportButton->setText(text(4));
}

void ScreenDialog::on_CloseButton_clicked()
{
    emit PostMsg::instance()->SigButtonCheck();
    close();
}
