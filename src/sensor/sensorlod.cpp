#include "sensorlod.h"

#include "configurationsenders.h"
#include "deferredskin.h"
#include "myconmbobox.h"
#include "pagestate.h"
#include "panelstyle.h"
#include "ui_sensorlod.h"

#include <array>

namespace {

// The device's codes of the three-entry list, in list order: 0.7, 1 and 2 mm.
constexpr std::array<int, 3> ThreeEntryCodes = {3, 1, 2};

} // namespace

SensorLOD::SensorLOD(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui::SensorLOD)
    , picturePath(PanelStyle::sensorPictureFolder())
{
    ui->setupUi(this);
    auto *skin = new DeferredSkin(this);
    skin->setStyleSheet(ui->label, PanelStyle::titleLabel());
    skin->setStyleSheet(ui->LOD, PanelStyle::comboBox(picturePath));
    ui->LOD->useSelectionColouredView();
}

SensorLOD::~SensorLOD()
{
    delete ui;
}

bool SensorLOD::hasShortEntry() const
{
    return ui->LOD->count() == int(ThreeEntryCodes.size());
}

void SensorLOD::addShortLodItem()
{
    if (ui->LOD->count() == 2)
        ui->LOD->insertItem(0, QStringLiteral("0.7mm"));
}

void SensorLOD::removeShortLodItem()
{
    if (hasShortEntry())
        ui->LOD->removeItem(0);
}

void SensorLOD::setLodEnabled(bool enabled)
{
    ui->LOD->setEnabled(enabled);
}

void SensorLOD::setLodValue(int value)
{
    if (!hasShortEntry()) {
        ui->LOD->setCurrentIndex(value);
        return;
    }
    for (int index = 0; index < int(ThreeEntryCodes.size()); ++index) {
        if (ThreeEntryCodes[index] == value + 1)
            ui->LOD->setCurrentIndex(index);
    }
}

void SensorLOD::setTitleText(const QString &text)
{
    ui->label->setText(text);
}

void SensorLOD::setTitleToolTip(const QString &text)
{
    ui->label->setToolTip(text);
}

// A list left without a current entry (a device value it cannot show)
// reports index -1, which is no choice and must not reach the device.
void SensorLOD::on_LOD_currentIndexChanged(int index)
{
    if (!g_deviceUiLive || g_sensorUiFilling || index < 0)
        return;
    if (!hasShortEntry())
        setLiftOffDistance(index + 1);
    else if (index < int(ThreeEntryCodes.size()))
        setLiftOffDistance(ThreeEntryCodes[index]);
}
