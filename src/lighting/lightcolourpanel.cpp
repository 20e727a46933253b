#include "lightcolourpanel.h"

#include "configinistore.h"
#include "deferredskin.h"
#include "lightingskin.h"
#include "qtscreencolourprobe.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSpinBox>

#include <array>

namespace {

constexpr std::array<ScreenColour, 14> presetColours = {{
    {255, 0, 0},    {0, 255, 255},   {0, 255, 0},    {255, 0, 255},  {255, 255, 0},
    {255, 80, 0},   {0, 0, 255},     {227, 0, 127},  {46, 166, 223}, {96, 25, 133},
    {255, 255, 255}, {139, 178, 36}, {255, 155, 51}, {208, 113, 173},
}};

QString colourBoxStyle()
{
    const QString colour = ConfigIniStore::instance()->colourText(QStringLiteral("LinEditColorSecond"));
    return QStringLiteral("QSpinBox{background-color: rgb(0,0,0);color: rgb(%1);border: 1px  solid gray;}"
                          "QSpinBox:hover{background-color: transparent;color: rgb(%1);border: 1px  solid gray;}")
        .arg(colour);
}

bool isOn(const QWidget *widget, const QPoint &globalPosition)
{
    return widget->rect().contains(widget->mapFromGlobal(globalPosition));
}

} // namespace

LightColourPanel::LightColourPanel(const Widgets &widgets, const QString &folder, QWidget *window)
    : QObject(window)
    , m_widgets(widgets)
    , m_window(window)
    , m_skin(new DeferredSkin(window))
    , m_gate([] { return true; })
    , m_probe(std::make_shared<QtScreenColourProbe>())
{
    using namespace LightingSkin;
    for (QSpinBox *box : {widgets.red, widgets.green, widgets.blue}) {
        m_skin->setStyleSheet(box, colourBoxStyle());
        connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this, &LightColourPanel::boxChanged);
    }
    for (QAbstractButton *button : {widgets.addRed, widgets.addGreen, widgets.addBlue})
        m_skin->setStyleSheet(button, pictureButtonStyle(folder, QStringLiteral("Add.png")));
    for (QAbstractButton *button : {widgets.reduceRed, widgets.reduceGreen, widgets.reduceBlue})
        m_skin->setStyleSheet(button, pictureButtonStyle(folder, QStringLiteral("Reduce.png")));
    connectStep(widgets.addRed, widgets.red, 1);
    connectStep(widgets.addGreen, widgets.green, 1);
    connectStep(widgets.addBlue, widgets.blue, 1);
    connectStep(widgets.reduceRed, widgets.red, -1);
    connectStep(widgets.reduceGreen, widgets.green, -1);
    connectStep(widgets.reduceBlue, widgets.blue, -1);
    for (int i = 0; i < widgets.presets.size() && i < int(presetColours.size()); ++i) {
        const QString picture = QStringLiteral("Color%1.png").arg(QChar('A' + i));
        m_skin->setStyleSheet(widgets.presets.at(i), pictureButtonStyle(folder, picture));
        connectPreset(widgets.presets.at(i), presetColours.at(std::size_t(i)));
    }
    m_skin->setStyleSheet(widgets.board, QStringLiteral("QLabel{border-image: url(%1ColorBoard.png);}").arg(folder));
    m_skin->setStyleSheet(widgets.preview,
                          QStringLiteral("QLabel{border-image: url(%1PreviewColor.png);}").arg(folder));
}

void LightColourPanel::setChangeGate(std::function<bool()> gate)
{
    m_gate = std::move(gate);
}

void LightColourPanel::setScreenColourProbe(std::shared_ptr<const ScreenColourProbe> probe)
{
    m_probe = std::move(probe);
}

void LightColourPanel::takeFocusUnlessOnBoxes(const QPoint &globalPosition) const
{
    takeFocusUnlessOn({m_widgets.red, m_widgets.green, m_widgets.blue}, globalPosition, m_window);
}

void LightColourPanel::pickIfOnBoard(const QPoint &globalPosition)
{
    if (!isOn(m_widgets.board, globalPosition) || !m_gate())
        return;
    const std::optional<ScreenColour> colour = m_probe->colourAt(globalPosition);
    if (!colour)
        return;
    setColour(*colour);
    showColour(colour->red, colour->green, colour->blue);
}

void LightColourPanel::showColour(int red, int green, int blue)
{
    m_skin->setStyleSheet(
        m_widgets.preview,
        QStringLiteral("QLabel{background-color: rgb(%1,%2,%3);border: 2px solid  rgb(220,220,220);}")
            .arg(red)
            .arg(green)
            .arg(blue));
}

void LightColourPanel::takeFocusUnlessOn(const QList<QWidget *> &widgets, const QPoint &globalPosition,
                                         QWidget *window)
{
    for (const QWidget *widget : widgets) {
        if (isOn(widget, globalPosition))
            return;
    }
    for (QWidget *widget : widgets)
        widget->clearFocus();
    window->setFocus(Qt::OtherFocusReason);
}

void LightColourPanel::connectStep(QAbstractButton *button, QSpinBox *box, int step)
{
    connect(button, &QAbstractButton::clicked, this, [this, box, step] {
        if (m_gate())
            box->setValue(box->value() + step);
    });
}

void LightColourPanel::connectPreset(QAbstractButton *button, const ScreenColour &colour)
{
    connect(button, &QAbstractButton::clicked, this, [this, colour] {
        if (m_gate())
            setColour(colour);
    });
}

void LightColourPanel::setColour(const ScreenColour &colour)
{
    m_widgets.red->setValue(colour.red);
    m_widgets.green->setValue(colour.green);
    m_widgets.blue->setValue(colour.blue);
}

void LightColourPanel::boxChanged()
{
    const int red = m_widgets.red->value();
    const int green = m_widgets.green->value();
    const int blue = m_widgets.blue->value();
    showColour(red, green, blue);
    emit colourChanged(red, green, blue);
}
