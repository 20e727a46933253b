#include "dialogmain.h"

#include "appinfo.h"

#include <QLabel>
#include <QVBoxLayout>

DialogMain::DialogMain(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(appName);
    setFixedSize(1020, 700);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(appName, this), 0, Qt::AlignCenter);
}
