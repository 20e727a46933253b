#include "sensorlodb.h"

#include "configurationsenders.h"
#include "deferredskin.h"
#include "fittedtext.h"
#include "pagestate.h"
#include "panelstyle.h"
#include "ui_sensorlodb.h"

#include <QButtonGroup>

namespace {

// The device's lift-off codes behind the boxes.
constexpr int ShortCode = 3;
constexpr int OneMillimetreCode = 1;
constexpr int TwoMillimetreCode = 2;

constexpr int BoxY = 0;
constexpr int FirstBoxX = 80;
constexpr int SecondBoxX = 165;
constexpr int ThirdBoxX = 250;

void sendLod(int code)
{
    if (g_deviceUiLive && !g_sensorUiFilling)
        setLiftOffDistance(code);
}

} // namespace

SensorLODB::SensorLODB(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui::SensorLODB)
    , picturePath(PanelStyle::sensorPictureFolder())
    , boxGroup(new QButtonGroup(this))
{
    ui->setupUi(this);
    auto *skin = new DeferredSkin(this);
    skin->setStyleSheet(ui->label, PanelStyle::titleLabel());
    const QString look = PanelStyle::checkBox(picturePath);
    for (QCheckBox *box : {ui->MM0, ui->MM1, ui->MM2})
        skin->setStyleSheet(box, look);
    boxGroup->setExclusive(true);
    boxGroup->addButton(ui->MM0);
    boxGroup->addButton(ui->MM1);
    boxGroup->addButton(ui->MM2);
    ui->MM0->hide();
}

SensorLODB::~SensorLODB()
{
    delete ui;
}

void SensorLODB::showShortLodBox()
{
    ui->MM0->show();
    ui->MM0->move(FirstBoxX, BoxY);
    ui->MM1->move(SecondBoxX, BoxY);
    ui->MM2->move(ThirdBoxX, BoxY);
}

void SensorLODB::hideShortLodBox()
{
    ui->MM0->hide();
    ui->MM1->move(FirstBoxX, BoxY);
    ui->MM2->move(SecondBoxX, BoxY);
}

void SensorLODB::setLodEnabled(bool enabled)
{
    ui->MM1->setEnabled(enabled);
    ui->MM2->setEnabled(enabled);
}

void SensorLODB::setLodValue(int value)
{
    if (value == OneMillimetreCode - 1)
        ui->MM1->setChecked(true);
    else if (value == TwoMillimetreCode - 1)
        ui->MM2->setChecked(true);
    else if (value == ShortCode - 1 && !ui->MM0->isHidden())
        ui->MM0->setChecked(true);
}

// The title's width leaves room for a short word only.
void SensorLODB::setTitleText(const QString &text)
{
    titleText = text;
    setFittedText(ui->label, titleText, titleToolTip);
}

void SensorLODB::setTitleToolTip(const QString &text)
{
    titleToolTip = text;
    setFittedText(ui->label, titleText, titleToolTip);
}

void SensorLODB::on_MM0_clicked(bool)
{
    sendLod(ShortCode);
}

void SensorLODB::on_MM1_clicked(bool)
{
    sendLod(OneMillimetreCode);
}

void SensorLODB::on_MM2_clicked(bool)
{
    sendLod(TwoMillimetreCode);
}
