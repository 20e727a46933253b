#include "stopclosetimeb.h"

#include "deferredskin.h"
#include "panelstyle.h"
#include "stopclosetime.h"
#include "ui_stopclosetimeb.h"

#include <QSignalBlocker>

StopCloseTimeB::StopCloseTimeB(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui::StopCloseTimeB)
    , picturePath(PanelStyle::sensorPictureFolder())
{
    ui->setupUi(this);
    auto *skin = new DeferredSkin(this);
    skin->setStyleSheet(ui->spinBoxA, PanelStyle::valueBox(QStringLiteral("LinEditColorSecond")));
    skin->setStyleSheet(ui->StopClose, PanelStyle::slider(picturePath, QStringLiteral("0,0,0")));
}

StopCloseTimeB::~StopCloseTimeB()
{
    delete ui;
}

void StopCloseTimeB::setSleepIndex(int index)
{
    const QSignalBlocker blocker(ui->StopClose);
    ui->StopClose->setValue(index + 1);
    showPosition(ui->StopClose->value());
}

void StopCloseTimeB::setItemText(int index, const QString &text)
{
    if (index == 0)
        secondsSuffix = QString(text).remove(QStringLiteral("10"));
    else if (index == 5)
        minutesSuffix = QString(text).remove(QStringLiteral("15"));
    else
        return;
    showPosition(ui->StopClose->value());
}

// Positions count from 1, entries from 0.
void StopCloseTimeB::showPosition(int position)
{
    const int seconds = StopCloseTime::sleepTimeAt(position - 1) * 10;
    const bool inMinutes = seconds >= 60;
    ui->spinBoxA->setSuffix(inMinutes ? minutesSuffix : secondsSuffix);
    ui->spinBoxA->setValue(inMinutes ? seconds / 60 : seconds);
}

void StopCloseTimeB::on_StopClose_sliderMoved(int position)
{
    showPosition(position);
}

void StopCloseTimeB::on_StopClose_valueChanged(int value)
{
    showPosition(value);
    StopCloseTime::sendSleepTime(value - 1);
}
