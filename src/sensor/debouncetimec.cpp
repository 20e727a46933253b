#include "debouncetimec.h"

#include "configurationsenders.h"
#include "deferredskin.h"
#include "pagestate.h"
#include "panelstyle.h"
#include "ui_debouncetimec.h"

namespace {

constexpr int LongestDebounce = 20;
// "-" stops here although the box goes down to 0.
constexpr int ShortestStepDown = 1;

// A borderless button that shows only its picture.
const char PictureButtonLook[] = "{border:0px;background-position:center;background-repeat:no-repeat;}";

} // namespace

DebouncetimeC::DebouncetimeC(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui::DebouncetimeC)
    , picturePath(PanelStyle::sensorPictureFolder())
{
    ui->setupUi(this);
    auto *skin = new DeferredSkin(this);
    skin->setStyleSheet(ui->spinBoxA, PanelStyle::valueBox(QStringLiteral("LinEditColorSecond")));
    skin->setStyleSheet(ui->AddLevelA,
                        QStringLiteral("#AddLevelA{background-image: url(%1Add.png);}#AddLevelA").arg(picturePath)
                            + QLatin1String(PictureButtonLook));
    skin->setStyleSheet(
        ui->ReduceLevelA,
        QStringLiteral("#ReduceLevelA{background-image: url(%1Reduce.png);}#ReduceLevelA").arg(picturePath)
            + QLatin1String(PictureButtonLook));
}

DebouncetimeC::~DebouncetimeC()
{
    delete ui;
}

void DebouncetimeC::setDebounceValue(int value)
{
    ui->spinBoxA->setValue(value);
}

void DebouncetimeC::setValueSuffix(const QString &text)
{
    ui->spinBoxA->setSuffix(text);
}

void DebouncetimeC::showAndSend(int value)
{
    ui->spinBoxA->setValue(value);
    if (g_deviceUiLive)
        setDebounceTime(ui->spinBoxA->value());
}

void DebouncetimeC::on_AddLevelA_clicked()
{
    const int value = ui->spinBoxA->value();
    if (value != LongestDebounce)
        showAndSend(value + 1);
}

void DebouncetimeC::on_ReduceLevelA_clicked()
{
    const int value = ui->spinBoxA->value();
    if (value != ShortestStepDown)
        showAndSend(value - 1);
}
