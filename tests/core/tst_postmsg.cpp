#include "postmsg.h"
#include "testenvironment.h"
#include "upgradereport.h"

#include <QMetaMethod>
#include <QThread>

#include <atomic>
#include <cstring>

namespace {

// Stands in for a page: takes record copies the way the pages do.
class RecordReceiver : public QObject
{
    Q_OBJECT

public:
    Qt::HANDLE slotThread = nullptr;
    FlashDataMap received = {};
    DongleRGB *rgb = nullptr;
    std::atomic<int> calls{0};
    QList<int> order;

public slots:
    void SlotRecord(FlashDataMap DataMap)
    {
        slotThread = QThread::currentThreadId();
        received = DataMap;
        DataMap.ReportRate = 99; // the receiver's own copy
        ++calls;
    }
    void SlotRGBValue(DongleRGB *Rgb) { rgb = Rgb; }
    void SlotParam(int index)
    {
        slotThread = QThread::currentThreadId();
        order.append(index);
    }
};

} // namespace

class tst_PostMsg : public QObject
{
    Q_OBJECT

private slots:
    void theHubHasItsSignalsInOrderAndNoSlots()
    {
        const QMetaObject *meta = PostMsg::instance()->metaObject();
        QCOMPARE(PostMsg::instance(), PostMsg::instance());
        QCOMPARE(meta->methodCount() - meta->methodOffset(), 58);
        QCOMPARE(meta->method(meta->methodOffset()).methodSignature(), QByteArray("SigChangeMainDialog(int)"));
        QCOMPARE(meta->method(meta->methodOffset() + 10).methodSignature(),
                 QByteArray("SigSelectMouseInfo(DeviceAllInfo)"));
        QCOMPARE(meta->method(meta->methodOffset() + 42).methodSignature(), QByteArray("SigRGBValue(DongleRGB*)"));
        QCOMPARE(meta->method(meta->methodOffset() + 57).methodSignature(), QByteArray("SigAllLanguage(int)"));
        for (int index = meta->methodOffset(); index < meta->methodCount(); ++index)
            QCOMPARE(meta->method(index).methodType(), QMetaMethod::Signal);
    }

    void signalsWithoutReceiversDoNothing()
    {
        emit PostMsg::instance()->SigCloseUpdate();
        emit PostMsg::instance()->SigCloseProgress();
        emit PostMsg::instance()->SigUpPageLight();
    }

    void aBlockingSignalRunsItsSlotOnTheGuiThreadBeforeEmitReturns()
    {
        RecordReceiver page;
        QVERIFY(connect(PostMsg::instance(), SIGNAL(SigUpDataLightSensor(FlashDataMap)), &page,
                        SLOT(SlotRecord(FlashDataMap)), Qt::BlockingQueuedConnection));
        FlashDataMap record;
        std::memset(&record, 0, sizeof record);
        record.ReportRate = 32;
        std::atomic<int> callsSeenAfterEmit{-1};
        QThread *device = QThread::create([&] {
            PostMsg::emitBlocking(&PostMsg::SigUpDataLightSensor, record);
            callsSeenAfterEmit = page.calls.load();
        });
        device->start();
        QTRY_VERIFY(device->isFinished());
        delete device;
        QCOMPARE(callsSeenAfterEmit.load(), 1);
        QCOMPARE(page.slotThread, QThread::currentThreadId());
        QCOMPARE(int(page.received.ReportRate), 32);
        QCOMPARE(int(record.ReportRate), 32);
    }

    void eachReceiverOwnsItsCopyOfTheRecord()
    {
        RecordReceiver first;
        RecordReceiver second;
        connect(PostMsg::instance(), SIGNAL(SigUpDataSensorUIB(FlashDataMap)), &first, SLOT(SlotRecord(FlashDataMap)));
        connect(PostMsg::instance(), SIGNAL(SigUpDataSensorUIB(FlashDataMap)), &second, SLOT(SlotRecord(FlashDataMap)));
        FlashDataMap record = DeviceProtocolData.get();
        record.LOD = 2;
        emit PostMsg::instance()->SigUpDataSensorUIB(record);
        first.received.LOD = 3;
        QCOMPARE(int(second.received.LOD), 2);
        QCOMPARE(int(DeviceProtocolData.get().LOD), 0);
    }

    void lightReceiversShareTheOneLightRecord()
    {
        RecordReceiver settings;
        RecordReceiver indicator;
        connect(PostMsg::instance(), SIGNAL(SigRGBValue(DongleRGB*)), &settings, SLOT(SlotRGBValue(DongleRGB*)));
        connect(PostMsg::instance(), SIGNAL(SigRGBValue(DongleRGB*)), &indicator, SLOT(SlotRGBValue(DongleRGB*)));
        emit PostMsg::instance()->SigRGBValue(&g_dongleRgb);
        QCOMPARE(settings.rgb, &g_dongleRgb);
        QCOMPARE(indicator.rgb, &g_dongleRgb);
    }

    void automaticSignalsFromOtherThreadsAreQueuedInOrder()
    {
        RecordReceiver frame;
        connect(PostMsg::instance(), SIGNAL(SigUpDataParam(int)), &frame, SLOT(SlotParam(int)));
        connect(PostMsg::instance(), SIGNAL(SigUpDataLightUIA(FlashDataMap)), &frame, SLOT(SlotRecord(FlashDataMap)));
        QThread *worker = QThread::create([] {
            emit PostMsg::instance()->SigUpDataParam(0);
            emit PostMsg::instance()->SigUpDataLightUIA(FlashDataMap{});
            emit PostMsg::instance()->SigUpDataParam(1);
        });
        worker->start();
        worker->wait();
        delete worker;
        QTRY_COMPARE(frame.order, (QList<int>{0, 1}));
        QCOMPARE(frame.calls.load(), 1); // a registered record type is delivered, not dropped
        QCOMPARE(frame.slotThread, QThread::currentThreadId());
    }

    // An upgrade report without its bytes is dropped where it is given.
    void aNullUpgradeReportPostsNothing()
    {
        static int handled = 0;
        postUpgradeReport(nullptr, [](const QByteArray &) { ++handled; });
        QCoreApplication::processEvents();
        QCOMPARE(handled, 0);
    }
};

TALVO_TEST_GUILESS_MAIN(tst_PostMsg)
#include "tst_postmsg.moc"
