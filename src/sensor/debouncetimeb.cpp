#include "debouncetimeb.h"

#include "configurationsenders.h"
#include "deferredskin.h"
#include "pagestate.h"
#include "panelstyle.h"
#include "ui_debouncetimeb.h"

#include <QSignalBlocker>

DebouncetimeB::DebouncetimeB(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui::DebouncetimeB)
    , picturePath(PanelStyle::sensorPictureFolder())
{
    ui->setupUi(this);
    auto *skin = new DeferredSkin(this);
    skin->setStyleSheet(ui->spinBoxA, PanelStyle::valueBox(QStringLiteral("LinEditColorSecond")));
    skin->setStyleSheet(ui->Debunce, PanelStyle::slider(picturePath, QStringLiteral("0,0,0")));
}

DebouncetimeB::~DebouncetimeB()
{
    delete ui;
}

void DebouncetimeB::setDebounceValue(int value)
{
    const QSignalBlocker blocker(ui->Debunce);
    ui->Debunce->setValue(value);
    ui->spinBoxA->setValue(value);
}

void DebouncetimeB::setValueSuffix(const QString &text)
{
    ui->spinBoxA->setSuffix(text);
}

void DebouncetimeB::on_Debunce_sliderMoved(int position)
{
    ui->spinBoxA->setValue(position);
}

void DebouncetimeB::on_Debunce_valueChanged(int value)
{
    ui->spinBoxA->setValue(value);
    if (g_deviceUiLive)
        setDebounceTime(value);
}
