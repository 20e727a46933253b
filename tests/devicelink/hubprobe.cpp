#include "hubprobe.h"

HubProbe::HubProbe()
{
    PostMsg *hub = PostMsg::instance();
    const auto blocking = Qt::BlockingQueuedConnection;
    connect(hub, SIGNAL(SigUpDataConfigUI(int,int,bool)), this, SLOT(SlotConfigUI(int,int,bool)), blocking);
    connect(hub, SIGNAL(SigUpDataLightUIButton(FlashDataMap)), this, SLOT(SlotButtonRecord(FlashDataMap)), blocking);
    connect(hub, SIGNAL(SigUpDataLightLight(FlashDataMap)), this, SLOT(SlotLightRecord(FlashDataMap)), blocking);
    connect(hub, SIGNAL(SigUpDataLightSensor(FlashDataMap)), this, SLOT(SlotSensorRecord(FlashDataMap)), blocking);
    connect(hub, SIGNAL(SigUpDataDPILed(FlashDataMap)), this, SLOT(SlotDpiLedRecord(FlashDataMap)), blocking);
    connect(hub, SIGNAL(SigUpDataReportRate(int)), this, SLOT(SlotReportRate(int)), blocking);
    connect(hub, SIGNAL(SigUpDataDPI(int)), this, SLOT(SlotDpi(int)), blocking);
    connect(hub, SIGNAL(SigBattery(bool,int,bool)), this, SLOT(SlotBattery(bool,int,bool)), blocking);
    connect(hub, SIGNAL(SigRGBValue(DongleRGB*)), this, SLOT(SlotRGBValue(DongleRGB*)), blocking);
    connect(hub, SIGNAL(SigLongRangeMode(bool)), this, SLOT(SlotLongRangeMode(bool)), blocking);
    connect(hub, SIGNAL(SigForm()), this, SLOT(SlotForm()), blocking);
    connect(hub, SIGNAL(SigFormReset()), this, SLOT(SlotFormReset()), blocking);
    connect(hub, SIGNAL(SigMouseOffLineo(int)), this, SLOT(SlotOffline(int)));
    connect(hub, SIGNAL(SigUpDataParam(int)), this, SLOT(SlotUpDataParam(int)));
    connect(hub, SIGNAL(SigSetver(int)), this, SLOT(SlotSetver(int)));
    connect(hub, SIGNAL(SigCloseOffOnline()), this, SLOT(SlotCloseOffOnline()));
    connect(hub, SIGNAL(SigChangeMainDialog(int)), this, SLOT(SlotChangeMainDialog(int)));
    connect(hub, SIGNAL(SigLabelTextB(QString,QString)), this, SLOT(SlotLabelTextB(QString,QString)));
    connect(hub, SIGNAL(SigCheckUpdate()), this, SLOT(SlotCheckUpdate()));
}

void HubProbe::watchWindowSignals()
{
    PostMsg *hub = PostMsg::instance();
    connect(hub, SIGNAL(SigMouseIndex(int)), this, SLOT(SlotMouseIndex(int)));
    connect(hub, SIGNAL(SigSelectMouseInfo(DeviceAllInfo)), this, SLOT(SlotSelectMouseInfo(DeviceAllInfo)));
    connect(hub, SIGNAL(SigChangeSize(int)), this, SLOT(SlotChangeSize(int)));
    connect(hub, SIGNAL(SigAllLanguage(int)), this, SLOT(SlotAllLanguage(int)));
    connect(hub, SIGNAL(SigLanguageSameB(int)), this, SLOT(SlotLanguageSameB(int)));
    connect(hub, SIGNAL(SigRepairCheckUpdate()), this, SLOT(SlotRepairCheckUpdate()));
    connect(hub, SIGNAL(SigSecondPageChange()), this, SLOT(SlotSecondPageChange()));
    connect(hub, SIGNAL(SigMainPageChange()), this, SLOT(SlotMainPageChange()));
    connect(hub, SIGNAL(SigSetMacroPage()), this, SLOT(SlotSetMacroPage()));
}

int HubProbe::count(const QString &name) const
{
    int found = 0;
    for (const QString &entry : seen) {
        if (entry == name || entry.startsWith(name + QLatin1Char('(')))
            ++found;
    }
    return found;
}

void HubProbe::clear()
{
    seen.clear();
    lastRecordSignal.clear();
}

void HubProbe::record(const QString &name, const FlashDataMap &DataMap)
{
    seen.append(name);
    lastRecord = DataMap;
    lastRecordSignal = name;
}

void HubProbe::SlotConfigUI(int ToTalItem, int SelectIndex, bool ItemEnable)
{
    seen.append(QStringLiteral("SigUpDataConfigUI(%1,%2,%3)").arg(ToTalItem).arg(SelectIndex).arg(ItemEnable));
}

void HubProbe::SlotButtonRecord(FlashDataMap DataMap) { record(QStringLiteral("SigUpDataLightUIButton"), DataMap); }
void HubProbe::SlotLightRecord(FlashDataMap DataMap) { record(QStringLiteral("SigUpDataLightLight"), DataMap); }
void HubProbe::SlotSensorRecord(FlashDataMap DataMap) { record(QStringLiteral("SigUpDataLightSensor"), DataMap); }
void HubProbe::SlotDpiLedRecord(FlashDataMap DataMap) { record(QStringLiteral("SigUpDataDPILed"), DataMap); }
void HubProbe::SlotReportRate(int index) { seen.append(QStringLiteral("SigUpDataReportRate(%1)").arg(index)); }
void HubProbe::SlotDpi(int index) { seen.append(QStringLiteral("SigUpDataDPI(%1)").arg(index)); }

void HubProbe::SlotBattery(bool IsCharg, int Number, bool IsText)
{
    seen.append(QStringLiteral("SigBattery(%1,%2,%3)").arg(IsCharg).arg(Number).arg(IsText));
}

void HubProbe::SlotRGBValue(DongleRGB *Rgb) { seen.append(QStringLiteral("SigRGBValue(%1)").arg(Rgb->bytes[0])); }
void HubProbe::SlotLongRangeMode(bool Select) { seen.append(QStringLiteral("SigLongRangeMode(%1)").arg(Select)); }
void HubProbe::SlotForm() { seen.append(QStringLiteral("SigForm")); }
void HubProbe::SlotFormReset() { seen.append(QStringLiteral("SigFormReset")); }
void HubProbe::SlotOffline(int index) { seen.append(QStringLiteral("SigMouseOffLineo(%1)").arg(index)); }
void HubProbe::SlotUpDataParam(int index) { seen.append(QStringLiteral("SigUpDataParam(%1)").arg(index)); }
void HubProbe::SlotSetver(int index) { seen.append(QStringLiteral("SigSetver(%1)").arg(index)); }
void HubProbe::SlotCloseOffOnline() { seen.append(QStringLiteral("SigCloseOffOnline")); }
void HubProbe::SlotChangeMainDialog(int index) { seen.append(QStringLiteral("SigChangeMainDialog(%1)").arg(index)); }

void HubProbe::SlotLabelTextB(QString TextA, QString Text)
{
    seen.append(QStringLiteral("SigLabelTextB(%1,%2)").arg(TextA, Text));
}

void HubProbe::SlotCheckUpdate() { seen.append(QStringLiteral("SigCheckUpdate")); }
void HubProbe::SlotMouseIndex(int index) { seen.append(QStringLiteral("SigMouseIndex(%1)").arg(index)); }

void HubProbe::SlotSelectMouseInfo(DeviceAllInfo SelectInfo)
{
    seen.append(QStringLiteral("SigSelectMouseInfo(%1)").arg(SelectInfo.path));
}

void HubProbe::SlotChangeSize(int index) { seen.append(QStringLiteral("SigChangeSize(%1)").arg(index)); }
void HubProbe::SlotAllLanguage(int Index) { seen.append(QStringLiteral("SigAllLanguage(%1)").arg(Index)); }
void HubProbe::SlotLanguageSameB(int index) { seen.append(QStringLiteral("SigLanguageSameB(%1)").arg(index)); }
void HubProbe::SlotRepairCheckUpdate() { seen.append(QStringLiteral("SigRepairCheckUpdate")); }
void HubProbe::SlotSecondPageChange() { seen.append(QStringLiteral("SigSecondPageChange")); }
void HubProbe::SlotMainPageChange() { seen.append(QStringLiteral("SigMainPageChange")); }
void HubProbe::SlotSetMacroPage() { seen.append(QStringLiteral("SigSetMacroPage")); }
