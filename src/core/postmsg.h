#pragma once

#include "deviceallinfo.h"
#include "flashdatamap.h"

#include <QMetaMethod>
#include <QObject>
#include <QString>

#include <memory>
#include <tuple>
#include <type_traits>
#include <utility>

// The application-wide hub: pages never call each other, they emit one of
// these signals and connect the ones they care about to their own slots.
// Device state reaches the pages the same way. Created on first use, lives
// in the GUI thread and is never destroyed.
//
// The connections that carry device state out of the device worker and the
// device event callback are made with Qt::BlockingQueuedConnection (the
// emitting thread waits until the page has run its slot), and those signals
// are never emitted from the GUI thread: SigUpDataConfigUI,
// SigUpDataLightUIButton, SigUpDataLightLight, SigUpDataLightSensor,
// SigUpDataReportRate, SigUpDataDPI, SigUpDataDPILed, SigBattery, SigRGBValue,
// SigLongRangeMode, SigForm and SigFormReset. Every other connection is
// automatic. The record, descriptor and light types are registered meta-types
// so that the signals other threads emit through automatic connections
// (SigUpDataParam, SigSetver, SigChangeMainDialog, ...) are queued to the GUI
// thread rather than dropped.
class PostMsg : public QObject
{
    Q_OBJECT

public:
    static PostMsg *instance();

    // Emits one of the blocking signals from the device worker or the
    // library's thread: returns once the GUI thread has run every slot. The
    // slots read the arguments where they lie while this thread waits. Qt
    // releases the waiting thread inside its own code, where a thread
    // sanitizer cannot see the hand-over, so the arguments travel in a
    // parcel of their own instead of on this thread's stack and, in
    // sanitizer builds, handOver() marks the hand-over where it is seen.
    template<typename... Parameters, typename... Arguments>
    static void emitBlocking(void (PostMsg::*signal)(Parameters...), Arguments &&...arguments)
    {
        struct Parcel
        {
            std::tuple<std::decay_t<Parameters>...> values;
            void *argv[sizeof...(Parameters) + 1] = {};
        };
        auto parcel = std::make_unique<Parcel>();
        parcel->values = std::tuple<std::decay_t<Parameters>...>(std::forward<Arguments>(arguments)...);
        std::apply([&parcel](auto &...value) {
            int index = 0;
            ((parcel->argv[++index] = static_cast<void *>(&value)), ...);
        }, parcel->values);
        const int signalIndex = QMetaMethod::fromSignal(signal).methodIndex() - staticMetaObject.methodOffset();
        handOver();
        QMetaObject::activate(instance(), &staticMetaObject, signalIndex, parcel->argv);
        handOver();
    }

signals:
    void SigChangeMainDialog(int index);
    void SigChangeSize(int index);
    void SigUpDataConfigUI(int ToTalItem, int SelectIndex, bool ItemEnable);
    void SigUpDataLightUIButton(FlashDataMap DataMap);
    void SigUpDataLightLight(FlashDataMap DataMap);
    void SigUpDataLightSensor(FlashDataMap DataMap);
    void SigUpDataLightUIA(FlashDataMap DataMap);
    void SigUpDataSensorUIB(FlashDataMap DataMap);
    void SigUpDataButtonUIC(FlashDataMap DataMap);
    void SigButtonToMacro(FlashDataMap DataMap, int KeyNumer);
    void SigSelectMouseInfo(DeviceAllInfo SelectInfo);
    void SigMouseOffLineo(int index);
    void SigMainPageChange();
    void SigSecondPageChange();
    void SigUpPageLight();
    void SigAddMacroButton();
    void SigDeleteMacroButton(QString MacroName);
    void SigMacroDownLoadData(QString MacroName, int index);
    void SigUpDataMacro(QString MacroName, int index);
    void SigUpDataParam(int index);
    void SigUpDataReportRate(int index);
    void SigUpDataDPI(int index);
    void SigUpDataDPILed(FlashDataMap DataMap);
    void SigTimerStop();
    void SigButtonEnable(int index);
    void SigLabelText(int index, QString Text);
    void SigLabelTextB(QString TextA, QString Text);
    void SigCloseUpdate();
    void SigProgress(int index, int value);
    void SigBattery(bool IsCharg, int Number, bool IsText);
    void SigAutoRepair(int index);
    void SigAutoRepairProgress(int index);
    void SigChangeLanguage(int index);
    void SigLanguageSameA(int index);
    void SigLanguageSameB(int index);
    void SigCloseOffOnline();
    void SigSetMacroPage();
    void SigStartRecord(int index);
    void SigUpDateButton(bool IsHide);
    void SigMacroRename(QString Rename, QString Name);
    void SigSetver(int index);
    void SigCloseProgress();
    void SigRGBValue(DongleRGB *Rgb);
    void SigLongRangeMode(bool Select);
    void SigForm();
    void SigFormB();
    void SigEnterKey();
    void SigFormReset();
    void SigHideModel(int index);
    void SigContinue(int);
    void SigMouseIndex(int index);
    void SigUpdateStart();
    void SigCheckUpdate();
    void SigRepairCheckUpdate();
    void SigSetNewVer();
    void SigLightToFrom(int index);
    void SigButtonCheck();
    void SigAllLanguage(int Index);

private:
    PostMsg();
    // The emitting thread waits for the slots on a semaphore inside Qt,
    // which ThreadSanitizer cannot see. In builds with it, a round trip to
    // the GUI thread through a mutex on either side of the emit makes that
    // ordering visible; otherwise it does nothing.
    static void handOver();
};
