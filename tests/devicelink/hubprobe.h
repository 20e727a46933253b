#pragma once

#include "postmsg.h"

#include <QObject>
#include <QStringList>

// Stands in for the pages: connects to the hub the way they do (blocking
// where the pages block) and writes down every signal as "Name(arguments)".
class HubProbe : public QObject
{
    Q_OBJECT

public:
    HubProbe();
    // Also writes down the signals between the windows.
    void watchWindowSignals();

    QStringList seen;
    FlashDataMap lastRecord = {};
    QString lastRecordSignal;

    int count(const QString &name) const;
    void clear();

public slots:
    void SlotConfigUI(int ToTalItem, int SelectIndex, bool ItemEnable);
    void SlotButtonRecord(FlashDataMap DataMap);
    void SlotLightRecord(FlashDataMap DataMap);
    void SlotSensorRecord(FlashDataMap DataMap);
    void SlotDpiLedRecord(FlashDataMap DataMap);
    void SlotReportRate(int index);
    void SlotDpi(int index);
    void SlotBattery(bool IsCharg, int Number, bool IsText);
    void SlotRGBValue(DongleRGB *Rgb);
    void SlotLongRangeMode(bool Select);
    void SlotForm();
    void SlotFormReset();
    void SlotOffline(int index);
    void SlotUpDataParam(int index);
    void SlotSetver(int index);
    void SlotCloseOffOnline();
    void SlotChangeMainDialog(int index);
    void SlotLabelTextB(QString TextA, QString Text);
    void SlotCheckUpdate();
    void SlotMouseIndex(int index);
    void SlotSelectMouseInfo(DeviceAllInfo SelectInfo);
    void SlotChangeSize(int index);
    void SlotAllLanguage(int Index);
    void SlotLanguageSameB(int index);
    void SlotRepairCheckUpdate();
    void SlotSecondPageChange();
    void SlotMainPageChange();
    void SlotSetMacroPage();

private:
    void record(const QString &name, const FlashDataMap &DataMap);
};
