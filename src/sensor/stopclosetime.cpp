#include "stopclosetime.h"

#include "appinfo.h"
#include "configinistore.h"
#include "configurationsenders.h"
#include "deferredskin.h"
#include "pagestate.h"
#include "ui_stopclosetime.h"

#include <QSignalBlocker>

#include <array>

namespace {

// The idle time of each entry in units of 10 seconds, as the device takes it.
constexpr std::array<int, 11> SleepTimes = {1, 3, 6, 30, 60, 90, 120, 150, 180, 210, 240};

} // namespace

StopCloseTime::StopCloseTime(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui::StopCloseTime)
    , picturePath(programFolderPath() + QStringLiteral("/Picture/Light/"))
{
    ui->setupUi(this);
    auto *skin = new DeferredSkin(this);
    ConfigIniStore *config = ConfigIniStore::instance();
    const QString text = config->colourText(QStringLiteral("ComboxTextColor"));
    const QString select = config->colourText(QStringLiteral("ComboxSelectColor"));
    skin->setStyleSheet(
        ui->StopClose,
        QStringLiteral("QComboBox{border: 1px solid gray; color: rgb(%1); border-image: url(%2ComboboxBack.png);}"
                       "QComboBox::drop-down:button{border-radius:5px; background:rgb(%4);}"
                       " QComboBox::down-arrow{image: url(%2Menu.png); right: 8px; }"
                       "QComboBox::down-arrow:on{ image: url(%2MenuClicked.png);}"
                       "QComboBox QAbstractItemView::item{height:25px;}"
                       "QComboBox QAbstractItemView {outline: 0px solid gray; border: 1px  solid gray;"
                       "color: rgb(%1); border-image: url(%2ComboboxTextBack.png);"
                       "selection-background-color: rgb(%3); }")
            .arg(text, picturePath, select, config->colourText(QStringLiteral("ComboxBackGroundColor"))));
    ui->StopClose->setMaxVisibleItems(15);
}

StopCloseTime::~StopCloseTime()
{
    delete ui;
}

void StopCloseTime::setSleepIndex(int index)
{
    const QSignalBlocker blocker(ui->StopClose);
    ui->StopClose->setCurrentIndex(index);
}

void StopCloseTime::setItemText(int index, const QString &text)
{
    ui->StopClose->setItemText(index, text);
}

int StopCloseTime::indexOfSeconds(int seconds)
{
    for (std::size_t index = 0; index < SleepTimes.size(); ++index) {
        if (SleepTimes[index] * 10 == seconds)
            return int(index);
    }
    return -1;
}

int StopCloseTime::sleepTimeAt(int index)
{
    return index >= 0 && index < int(SleepTimes.size()) ? SleepTimes[std::size_t(index)] : -1;
}

void StopCloseTime::sendSleepTime(int index)
{
    if (g_deviceUiLive && !g_buttonUiFilling && sleepTimeAt(index) >= 0)
        setSleepTime(sleepTimeAt(index));
}

void StopCloseTime::on_StopClose_activated(int index)
{
    sendSleepTime(index);
}
