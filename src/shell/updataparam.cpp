#include "updataparam.h"

#include "configurationsenders.h"
#include "devicecache.h"
#include "deviceeventcallback.h"
#include "dialogplacement.h"
#include "eventwait.h"
#include "flashdatamap.h"
#include "inportfail.h"
#include "languagetables.h"
#include "pagestate.h"
#include "postmsg.h"
#include "profileimport.h"
#include "ui_updataparam.h"
#include "worker.h"

#include <QThread>
#include <QTimer>

int g_updataParamMode = 0;

namespace {

constexpr int RunDelay = 2500;
constexpr int Checks = 12;
constexpr int CheckInterval = 500;
// How long the wait mode keeps the window blocked after the pages answered.
constexpr int SettleAfterWait = 2000;
// How long an import leaves the pages to show what was imported.
constexpr int ImportShowTime = 5 * CheckInterval;

void handOutRecord(const FlashDataMap &record)
{
    PostMsg *hub = PostMsg::instance();
    emit hub->SigUpDataLightUIA(record);
    emit hub->SigUpDataSensorUIB(record);
    emit hub->SigUpDataButtonUIC(record);
    emit hub->SigFormB();
}

} // namespace

UpDataParam::UpDataParam(QWidget *parent)
    : LanguageDialog(parent)
    , ui(new Ui::UpDataParam)
{
    ui->setupUi(this);
    applySkin(ui->UpDataParamA, ui->label, nullptr, {});
    closeTimer = new QTimer(this);
    closeTimer->setSingleShot(true);
    connect(closeTimer, &QTimer::timeout, this, &UpDataParam::onTimeupDestroy);
    followLanguage();
}

UpDataParam::~UpDataParam()
{
    delete ui;
}

void UpDataParam::startCloseTimer()
{
    closeTimer->start(RunDelay);
}

void UpDataParam::SlotAllLanguage(int index)
{
    if (g_updataParamMode == 0 || g_updataParamMode == 1)
        ui->label->setText(languageText(LanguageSection::UpDataParam, index, g_updataParamMode));
}

void UpDataParam::onTimeupDestroy()
{
    emit PostMsg::instance()->SigSetver(4);
    if (waitMode)
        waitForPages();
    else if (importMode)
        importProfile();
    else if (!g_deviceDataReady)
        showCachedRecord();
    else
        confirmDeviceRecord();
}

bool UpDataParam::pagesApplied(bool clearWhenApplied)
{
    for (int check = 0; check < Checks; ++check) {
        if (g_sensorUiApplied && g_buttonUiApplied) {
            if (clearWhenApplied) {
                g_sensorUiApplied = false;
                g_buttonUiApplied = false;
            }
            return true;
        }
        waitWithEvents(CheckInterval);
    }
    return false;
}

void UpDataParam::waitForPages()
{
    const bool applied = pagesApplied(false);
    if (!g_programEnding)
        QThread::msleep(SettleAfterWait);
    close();
    if (!applied)
        emit PostMsg::instance()->SigMouseOffLineo(0);
    waitMode = false;
}

void UpDataParam::importProfile()
{
    FlashDataMap record;
    g_importResult = importProfileFile(filePath, &record);
    if (g_importResult != ProfileAccepted) {
        InportFail failure;
        placeDialog(&failure, this);
        failure.exec();
    } else {
        DeviceProtocolData.set(record);
        g_deviceRecordLoaded = true;
        sendWholeRecord();
        handOutRecord(record);
        waitWithEvents(ImportShowTime);
    }
    importMode = false;
    close();
}

// The device did not answer the worker's last run and no full read came:
// the pages show the cached record, and the user learns the device is off.
void UpDataParam::showCachedRecord()
{
    FlashDataMap cached;
    if (loadDeviceConfigCache(g_selectedDeviceCacheName.get(), &cached))
        handOutRecord(cached);
    emit PostMsg::instance()->SigMouseOffLineo(0);
    close();
}

void UpDataParam::confirmDeviceRecord()
{
    const bool applied = pagesApplied(true);
    close();
    if (!applied)
        emit PostMsg::instance()->SigMouseOffLineo(1);
    FlashDataMap cached;
    if (g_workerConnected && !loadDeviceConfigCache(g_selectedDeviceCacheName.get(), &cached))
        saveChosenDeviceCache();
}
