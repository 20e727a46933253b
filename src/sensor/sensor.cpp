#include "sensor.h"

#include "languagetables.h"
#include "pagestate.h"
#include "postmsg.h"
#include "ui_sensor.h"

Sensor::Sensor(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::Sensor)
{
    ui->setupUi(this);
    setFixedSize(size());
    PostMsg *hub = PostMsg::instance();
    const auto blocking = Qt::BlockingQueuedConnection;
    connect(hub, SIGNAL(SigHideModel(int)), this, SLOT(SlotHideModel(int)));
    connect(hub, SIGNAL(SigUpDataLightSensor(FlashDataMap)), this, SLOT(SlotUpDataSenSorUISensor(FlashDataMap)),
            blocking);
    connect(hub, SIGNAL(SigFormReset()), this, SLOT(SlotFormReset()), blocking);
    connect(hub, SIGNAL(SigUpDataReportRate(int)), this, SLOT(SlotUpDataReportRate(int)), blocking);
    connect(hub, SIGNAL(SigUpDataDPI(int)), this, SLOT(SlotUpDataDPI(int)), blocking);
    connect(hub, SIGNAL(SigUpDataDPILed(FlashDataMap)), this, SLOT(SlotUpDataDPILed(FlashDataMap)), blocking);
    connect(hub, SIGNAL(SigUpDataSensorUIB(FlashDataMap)), this, SLOT(SlotUpDataSenSorUIB(FlashDataMap)));
    connect(hub, SIGNAL(SigAllLanguage(int)), this, SLOT(SlotAllLanguage(int)));
    SlotAllLanguage(currentLanguageIndex);
}

Sensor::~Sensor()
{
    delete ui;
}

void Sensor::SlotUpDataSenSorUISensor(FlashDataMap DataMap)
{
    g_sensorUiApplied = false;
    fillFrom(DataMap);
    g_sensorUiApplied = true;
}

void Sensor::SlotUpDataSenSorUIB(FlashDataMap DataMap)
{
    fillFrom(DataMap);
}

// While the page fills its controls from a record, the senders stay silent
// about an offline device. The sensor controls themselves are not built yet.
void Sensor::fillFrom(const FlashDataMap &)
{
    g_sensorUiFilling = true;
    g_sensorUiFilling = false;
}

void Sensor::SlotUpDataReportRate(int)
{
}

void Sensor::SlotUpDataDPI(int)
{
}

void Sensor::SlotUpDataDPILed(FlashDataMap)
{
}

void Sensor::SlotFormReset()
{
}

void Sensor::SlotHideModel(int)
{
}

void Sensor::SlotAllLanguage(int index)
{
    ui->label_5->setText(languageText(LanguageSection::Sensor, index, 2));
}
