#include "HIDUsb.h"
#include "hidusb_sim.h"
#include "pipewatch.h"
#include "samplefirmwareimage.h"
#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <atomic>
#include <cstring>
#include <mutex>
#include <utility>

namespace {

struct Event
{
    QByteArray header;
    QByteArray payload;
    int event() const { return header.size() > 1 ? quint8(header.at(1)) : -1; }
    int status() const { return header.size() > 3 ? quint8(header.at(3)) : -1; }
    int subCommand() const { return header.size() > 4 ? quint8(header.at(4)) : -1; }
};

std::mutex eventMutex;
QList<Event> events;
std::atomic<Qt::HANDLE> callbackThread{nullptr};

void recordEvent(const unsigned char *header, int headerLength, const unsigned char *payload, int payloadLength)
{
    callbackThread = QThread::currentThreadId();
    std::lock_guard<std::mutex> lock(eventMutex);
    events.append({QByteArray(reinterpret_cast<const char *>(header), headerLength),
                   QByteArray(reinterpret_cast<const char *>(payload), payloadLength)});
}

QList<Event> takeEvents()
{
    std::lock_guard<std::mutex> lock(eventMutex);
    return std::exchange(events, {});
}

int eventCount()
{
    std::lock_guard<std::mutex> lock(eventMutex);
    return events.size();
}

std::atomic<int> hotplugCalls{0};
std::atomic<int> otherHotplugCalls{0};
std::atomic<bool> insideRegistration{false};
std::atomic<bool> calledInsideRegistration{false};
std::atomic<Qt::HANDLE> hotplugThread{nullptr};

void countHotplug()
{
    if (insideRegistration)
        calledInsideRegistration = true;
    hotplugThread = QThread::currentThreadId();
    ++hotplugCalls;
}

void countOtherHotplug()
{
    ++otherHotplugCalls;
}

// A callback that asks the library for more from inside an answer.
void reenterOnFirstAnswer(const unsigned char *header, int headerLength, const unsigned char *payload,
                          int payloadLength)
{
    recordEvent(header, headerLength, payload, payloadLength);
    if (header[1] == HIDUSB_EVENT_CONFIG) {
        UsbServer_ReadReportRate();
        UsbFinderC_GetDeviceOnLine(HidUsbSim::receiverPath("Receiver1").constData());
        unsigned char record[HIDUSB_RECORD_SIZE] = {};
        ProtocolDataUpdate(record);
    }
}

std::atomic<bool> releaseBlockedCallback{false};
std::atomic<int> blockedCallbacks{0};

void blockUntilReleased(const unsigned char *, int, const unsigned char *, int)
{
    ++blockedCallbacks;
    while (!releaseBlockedCallback)
        QThread::msleep(1);
}

std::mutex upgradeMutex;
QList<QByteArray> upgradeReports;

void recordUpgrade(const unsigned char *report)
{
    std::lock_guard<std::mutex> lock(upgradeMutex);
    upgradeReports.append(QByteArray(reinterpret_cast<const char *>(report), 3));
}

QList<QByteArray> takeUpgradeReports()
{
    std::lock_guard<std::mutex> lock(upgradeMutex);
    return std::exchange(upgradeReports, {});
}

// The last report once the result has come, else empty.
QByteArray upgradeResult()
{
    std::lock_guard<std::mutex> lock(upgradeMutex);
    return !upgradeReports.isEmpty() && upgradeReports.last().at(1) == 2 ? upgradeReports.last() : QByteArray();
}

// An image for model 1 of customer 35, the default devices' ids; the
// identifiers are those Config.ini gives model 1.
QByteArray firmwareImage(int kind, const char *identifier, quint32 version, int mid = 1)
{
    SampleFirmwareImage image;
    image.kind = kind;
    image.cid = 35;
    image.mid = mid;
    image.version = version;
    image.identifier = identifier;
    return image.bytes();
}

const unsigned char *bytesOf(const QByteArray &image)
{
    return reinterpret_cast<const unsigned char *>(image.constData());
}

int receiverVersion()
{
    unsigned char attribute[HIDUSB_ATTRIBUTE_SIZE] = {};
    UsbFinderC_GetUsbDeviceAttribute(HidUsbSim::receiverPath("Receiver1").constData(), attribute);
    return attribute[8] | attribute[9] << 8;
}

const char *receiverPathText()
{
    static const QByteArray path = HidUsbSim::receiverPath("Receiver1");
    return path.constData();
}

QByteArray randomBytes(int size, quint32 seed)
{
    QByteArray bytes(size, '\0');
    quint32 state = seed;
    for (char &byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = char(state >> 24);
    }
    return bytes;
}

QString writeScenario(const QByteArray &content)
{
    const QString path = QDir::homePath() + "/scenario.ini";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the scenario");
    file.write(content);
    return path;
}

const QByteArray TwoReceiverScenario = R"([Bus]
Vid=0x3F1A
Latency=0
IdsReadyAfter=0

[Receiver1]
Kind=1
Pid=0x5A14
Id=0x01,0x02,0x03
Version=0x0107
Mouse=Mouse1
LongRange=-1

[Receiver2]
Kind=0
Pid=0x5A10
Id=0x0A,0x0B,0x0C
Plugged=false

[Mouse1]
Cid=35
Mid=2
Version=0x020A
Battery=55
Charging=true
CablePid=0x5A01
CableKind=2
)";

const char NotRegular[] = " is not a regular file: it defines no device";

} // namespace

class tst_SimulatedLibrary : public QObject
{
    Q_OBJECT

private slots:
    // The library reads the scenario the environment names when it is first used.
    void initTestCase()
    {
        const QString path = QDir::homePath() + "/scenario.ini";
        const PipeWatch pipe(path);
        qputenv("TALVO_HIDUSB_SCENARIO", QFile::encodeName(path));
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Device scenario " + path + NotRegular));
        int count = 5;
        UsbFinderC_FindHidDevicesByDefaultDeviceId("0x3F1A", "0x5A18", &count);
        QCOMPARE(count, 0);
        QVERIFY(!pipe.readerWaited());
    }

    void cleanup()
    {
        // Devices keep upgrades, light and long range in the state folder.
        QTRY_VERIFY(!upgradeResult().isEmpty() || takeUpgradeReports().isEmpty());
        QDir(qEnvironmentVariable("XDG_STATE_HOME") + "/Talvo Lumerant 4K").removeRecursively();
        takeUpgradeReports();
    }

    void init()
    {
        UsbServer_Exit();
        StopUsbChanged();
        HidUsbSim::loadDefaultScenario();
        HidUsbSim::setLatency(0);
        HidUsbSim::setIdsReadyAfter(0);
        QTRY_VERIFY(HidUsbSim::isIdle());
        takeEvents();
        HidUsbSim::clearCallLog();
    }

    void defaultScenarioIsAnOnlineReceiverWithItsMouse()
    {
        int count = 5;
        const char **paths = UsbFinderC_FindHidDevicesByDefaultDeviceId("0x3F1A", "0x5A18", &count);
        QCOMPARE(count, 1);
        QCOMPARE(QByteArray(paths[0]), HidUsbSim::receiverPath("Receiver1"));
        QCOMPARE(UsbFinderC_GetDeviceOnLine(paths[0]), 1);
        const HidDeviceIds ids = UsbFinderC_GetDeviceInfo(paths[0]);
        QCOMPARE(int(ids.cid), 35);
        QCOMPARE(int(ids.mid), 1);
        QCOMPARE(int(ids.kind), 5);
        QCOMPARE(UsbFinderC_GetDeviceOnLine("a"), 0);
        QCOMPARE(UsbFinderC_GetDeviceOnLine(""), 0);
    }

    void enumerationTakesEitherPairOfConstantsAndPathsStayValid()
    {
        int first = 0;
        const char **byDefault = UsbFinderC_FindHidDevicesByDefaultDeviceId("0x3f1a", "0x5A18", &first);
        QCOMPARE(first, 0); // the count on entry caps the answer
        int five = 0;
        const char **usage5 = UsbFinderC_FindHidDevicesByDeviceId("0x3F1A", "0x5A18", 1, 5, &five);
        int eight = 0;
        const char **usage8 = UsbFinderC_FindHidDevicesByDeviceId("0x3F1A", "0x5A18", 1, 8, &eight);
        QCOMPARE(five, 1);
        QCOMPARE(eight, 1);
        QCOMPARE(usage5[0], usage8[0]); // one interned text per path
        Q_UNUSED(byDefault);

        const char *kept = usage5[0];
        HidUsbSim::plugReceiver("Receiver1", false);
        int none = 5;
        UsbFinderC_FindHidDevicesByDefaultDeviceId("0x3F1A", "0x5A18", &none);
        QCOMPARE(none, 0);
        QCOMPARE(QByteArray(kept), HidUsbSim::receiverPath("Receiver1"));
        int other = 5;
        UsbFinderC_FindHidDevicesByDefaultDeviceId("0x1234", "0x5A18", &other);
        QCOMPARE(other, 0);
    }

    void attributeCarriesTheVersionWordAndIdsWaitAfterPlugIn()
    {
        unsigned char attribute[HIDUSB_ATTRIBUTE_SIZE];
        std::memset(attribute, 0xEE, sizeof attribute);
        QCOMPARE(UsbFinderC_GetUsbDeviceAttribute(receiverPathText(), attribute), 1);
        QCOMPARE(int(attribute[8]), 0x05);
        QCOMPARE(int(attribute[9]), 0x01);

        HidUsbSim::setIdsReadyAfter(3);
        for (int call = 0; call < 3; ++call) {
            const HidDeviceIds ids = UsbFinderC_GetDeviceInfo(receiverPathText());
            QCOMPARE(ids.cid | ids.mid | ids.kind, 0);
        }
        QCOMPARE(int(UsbFinderC_GetDeviceInfo(receiverPathText()).cid), 35);

        HidUsbSim::setIdsReadyAfter(-1);
        for (int call = 0; call < 20; ++call)
            QCOMPARE(int(UsbFinderC_GetDeviceInfo(receiverPathText()).mid), 0);
    }

    void onlineAddressCarriesThePairingId()
    {
        unsigned char info[HIDUSB_ADDRESS_INFO_SIZE] = {};
        QCOMPARE(UsbFinderC_GetDeviceOnLineWithUsbAddress(receiverPathText(), info), 1);
        QCOMPARE(int(info[6]), 1);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(info + 7), 3), QByteArray("\x12\x34\x56", 3));

        HidUsbSim::setMousePower("Mouse1", false);
        QCOMPARE(UsbFinderC_GetDeviceOnLineWithUsbAddress(receiverPathText(), info), 0);
        QCOMPARE(int(info[6]), 0);
        QCOMPARE(UsbFinderC_GetVersion(receiverPathText()), 0);
        HidUsbSim::setMousePower("Mouse1", true);
        QCOMPARE(UsbFinderC_GetVersion(receiverPathText()), 0x0213);
    }

    void cabledMouseIsItsOwnDeviceAndLeavesTheReceiverOffline()
    {
        HidUsbSim::setMouseCable("Mouse1", true);
        int count = 5;
        const char **paths = UsbFinderC_FindHidDevicesByDefaultDeviceId("0x3F1A", "0x5A02", &count);
        QCOMPARE(count, 1);
        QCOMPARE(int(UsbFinderC_GetDeviceInfo(paths[0]).kind), 3);
        QCOMPARE(UsbFinderC_GetDeviceOnLine(paths[0]), 1);
        QCOMPARE(UsbFinderC_GetDeviceOnLine(receiverPathText()), 0);
        unsigned char info[HIDUSB_ADDRESS_INFO_SIZE] = {};
        UsbFinderC_GetDeviceOnLineWithUsbAddress(paths[0], info);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(info + 7), 3), QByteArray("\x12\x34\x56", 3));
    }

    void hotplugCallsTheLastCallbackOnTheGuiThreadAfterRegistration()
    {
        hotplugCalls = 0;
        otherHotplugCalls = 0;
        calledInsideRegistration = false;
        insideRegistration = true;
        StartUsbChanged(countOtherHotplug, 600);
        StartUsbChanged(countHotplug, 600);
        insideRegistration = false;
        QCOMPARE(hotplugCalls.load(), 0);
        QTRY_COMPARE(hotplugCalls.load(), 1);
        QVERIFY(!calledInsideRegistration);
        QCOMPARE(otherHotplugCalls.load(), 0);
        QCOMPARE(hotplugThread.load(), QThread::currentThreadId());

        // Changes made from another thread still arrive on this one.
        QThread *plugger = QThread::create([] { HidUsbSim::plugReceiver("Receiver1", false); });
        plugger->start();
        plugger->wait();
        delete plugger;
        QTRY_COMPARE(hotplugCalls.load(), 2);
        QCOMPARE(hotplugThread.load(), QThread::currentThreadId());
    }

    void stoppingTheWatchDropsPendingCalls()
    {
        hotplugCalls = 0;
        StartUsbChanged(countHotplug, 600);
        HidUsbSim::setMousePower("Mouse1", false);
        StopUsbChanged();
        QTest::qWait(50);
        QCOMPARE(hotplugCalls.load(), 0);
        HidUsbSim::setMousePower("Mouse1", true);
        QTest::qWait(50);
        QCOMPARE(hotplugCalls.load(), 0);
    }

    void answersArriveInOrderOnTheLibraryThreadWithTheirLengths()
    {
        UsbServerC_Start(receiverPathText(), receiverPathText(), recordEvent);
        UsbServer_ReadAllFlashData();
        UsbServer_ReadReportRate();
        UsbServer_ReadCurrentDPI();
        UsbServer_ReadDPILed();
        UsbServer_ReadLedBar();
        UsbServer_ReadBatteryLevel();
        UsbServer_ReadConfig();
        UsbServer_ReadVersion();
        QTRY_COMPARE(eventCount(), 8);
        const QList<Event> answers = takeEvents();
        QVERIFY(callbackThread.load() != QThread::currentThreadId());

        const QList<QPair<int, int>> expected = {{8, 0}, {8, 0}, {8, 4}, {8, 0x4C}, {8, 0xA0}, {4, 0}, {14, 0}, {18, 0}};
        const QList<int> lengths = {HIDUSB_DUMP_SIZE, 1, 1, 8, 9, HIDUSB_BATTERY_PAYLOAD_SIZE, 1, 2};
        for (int index = 0; index < answers.size(); ++index) {
            QCOMPARE(answers[index].event(), expected[index].first);
            QCOMPARE(answers[index].subCommand(), expected[index].second);
            QCOMPARE(answers[index].status(), 0);
            QCOMPARE(answers[index].payload.size(), lengths[index]);
        }
        QCOMPARE(int(answers[1].payload[0]), 1);     // 1000 Hz
        QCOMPARE(int(answers[2].payload[0]), 1);     // second DPI level
        QCOMPARE(int(quint8(answers[5].payload[0])), 80);
        QCOMPARE(int(answers[6].payload[0]), 0);     // first configuration
    }

    void answersComeOnlyWhileTheDeviceIsOnline()
    {
        HidUsbSim::setLatency(30);
        UsbServerC_Start(receiverPathText(), receiverPathText(), recordEvent);
        UsbServer_ReadConfig();
        HidUsbSim::setMousePower("Mouse1", false);
        UsbServer_ReadConfig();
        QTRY_VERIFY(HidUsbSim::isIdle());
        QCOMPARE(eventCount(), 0);

        HidUsbSim::setMousePower("Mouse1", true);
        UsbServer_ReadConfig();
        QTRY_COMPARE(eventCount(), 1);
    }

    void aNewStartDropsThePreviousEventsAndExitReturnsAtOnce()
    {
        HidUsbSim::setLatency(20);
        UsbServerC_Start(receiverPathText(), receiverPathText(), recordEvent);
        for (int index = 0; index < 5; ++index)
            UsbServer_ReadConfig();
        UsbServerC_Start(receiverPathText(), receiverPathText(), recordEvent);
        UsbServer_ReadBatteryLevel();
        QTRY_VERIFY(HidUsbSim::isIdle());
        const QList<Event> answers = takeEvents();
        QVERIFY(answers.size() <= 2);
        QCOMPARE(answers.last().event(), int(HIDUSB_EVENT_BATTERY));

        UsbServer_ReadConfig();
        UsbServer_Exit();
        UsbServer_Exit(); // the way back from the frame exits twice
        QTRY_VERIFY(HidUsbSim::isIdle());
        QCOMPARE(eventCount(), 0);
    }

    // A program that ends polls the exit until it answers 1: a slow device
    // must not keep it waiting for its answer, however slow it was set.
    void anExitEndsTheWaitForAnAnswerAtOnce()
    {
        HidUsbSim::setLatency(1000000000);
        UsbServerC_Start(receiverPathText(), receiverPathText(), recordEvent);
        UsbServer_ReadConfig();
        QTest::qWait(50);
        QVERIFY(!HidUsbSim::isIdle());
        QTRY_COMPARE_WITH_TIMEOUT(UsbServer_Exit(), 1, 1000);
        QCOMPARE(eventCount(), 0);
    }

    void exitDoesNotWaitForACallbackThatIsBlockedButTellsWhenItLeft()
    {
        releaseBlockedCallback = false;
        blockedCallbacks = 0;
        UsbServerC_Start(receiverPathText(), receiverPathText(), blockUntilReleased);
        UsbServer_ReadConfig();
        UsbServer_ReadConfig();
        QTRY_COMPARE(blockedCallbacks.load(), 1);

        QElapsedTimer timer;
        timer.start();
        QCOMPARE(UsbServer_Exit(), 0); // still inside the callback
        UsbServerC_Start(receiverPathText(), receiverPathText(), recordEvent);
        UsbServer_ReadBatteryLevel();
        QVERIFY(timer.elapsed() < 100);

        releaseBlockedCallback = true;
        QTRY_COMPARE(eventCount(), 1);
        QCOMPARE(blockedCallbacks.load(), 1); // the second read of the old server was dropped
        QCOMPARE(takeEvents().first().event(), int(HIDUSB_EVENT_BATTERY));
        QTRY_COMPARE(UsbServer_Exit(), 1);
    }

    void aCallbackMayCallBackIntoTheLibrary()
    {
        UsbServerC_Start(receiverPathText(), receiverPathText(), reenterOnFirstAnswer);
        UsbServer_ReadConfig();
        QTRY_COMPARE(eventCount(), 2);
        const QList<Event> answers = takeEvents();
        QCOMPARE(answers[0].event(), int(HIDUSB_EVENT_CONFIG));
        QCOMPARE(answers[1].event(), int(HIDUSB_EVENT_READ_REPLY));
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 1);
    }

    void dumpAndRecordAreExactInversesForEveryCarriedByte()
    {
        UsbServerC_Start(receiverPathText(), receiverPathText(), recordEvent);
        const QByteArray record = randomBytes(HIDUSB_RECORD_SIZE, 7);
        QCOMPARE(ProtocolDataUpdate(reinterpret_cast<const unsigned char *>(record.constData())), 1);
        UsbServer_ReadAllFlashData();
        QTRY_COMPARE(eventCount(), 1);
        const QByteArray dump = takeEvents().first().payload;
        QCOMPARE(dump.size(), int(HIDUSB_DUMP_SIZE));

        QByteArray parsed(HIDUSB_RECORD_SIZE, '\0');
        ProtocolDataParser(reinterpret_cast<const unsigned char *>(dump.constData()),
                           reinterpret_cast<unsigned char *>(parsed.data()));
        // Everything but the two alignment bytes and the macros of keys 10-15.
        QCOMPARE(parsed.left(122), record.left(122));
        QCOMPARE(parsed.mid(124, 956 + 10 * 592 - 124), record.mid(124, 956 + 10 * 592 - 124));
        QCOMPARE(parsed.mid(122, 2), QByteArray(2, '\0'));
        QCOMPARE(parsed.mid(956 + 10 * 592), QByteArray(6 * 592, '\0'));
        QCOMPARE(HidUsbSim::storedConfiguration("Mouse1", 0), parsed);

        // And back: the parsed record written again gives the same dump.
        ProtocolDataUpdate(reinterpret_cast<const unsigned char *>(parsed.constData()));
        UsbServer_ReadAllFlashData();
        QTRY_COMPARE(eventCount(), 1);
        QCOMPARE(takeEvents().first().payload, dump);
    }

    void smallTranslationsWriteExactlyTheirBytes()
    {
        const QByteArray payload = randomBytes(16, 3);
        const auto *in = reinterpret_cast<const unsigned char *>(payload.constData());
        QByteArray record(HIDUSB_RECORD_SIZE, '\x5A');
        auto *bytes = reinterpret_cast<unsigned char *>(record.data());

        BufferToDPILed(in, bytes + 63);
        QCOMPARE(record.mid(63, 4), payload.left(4));
        BufferToLedBar(in, bytes + 67);
        QCOMPARE(record.mid(67, 7), payload.left(7));
        QCOMPARE(record.left(63), QByteArray(63, '\x5A'));
        QCOMPARE(record.mid(74), QByteArray(HIDUSB_RECORD_SIZE - 74, '\x5A'));

        unsigned char guard[HIDUSB_BATTERY_STATUS_SIZE + 1];
        std::memset(guard, 0xEE, sizeof guard);
        GetDeviceBatteryStatus(in, guard);
        QCOMPARE(int(guard[0]), int(in[0]));
        QCOMPARE(int(guard[1]), int(in[1]));
        QCOMPARE(int(guard[4]), 0xEE);
        unsigned char flags[HIDUSB_STATUS_FLAGS_SIZE + 1];
        std::memset(flags, 0xEE, sizeof flags);
        GetDeviceStatusChanged(in, flags);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(flags), 7), payload.left(7));
        QCOMPARE(int(flags[7]), 0xEE);
    }

    void switchingTheConfigurationAsksForAReRead()
    {
        UsbServerC_Start(receiverPathText(), receiverPathText(), recordEvent);
        UsbServer_SetCurrentConfig(2);
        QTRY_COMPARE(eventCount(), 1);
        const Event event = takeEvents().first();
        QCOMPARE(event.event(), int(HIDUSB_EVENT_STATUS_CHANGED));
        QCOMPARE(event.payload, QByteArray("\0\0\1\0\0\0\0", 7));
        QCOMPARE(HidUsbSim::activeConfiguration("Mouse1"), 2);

        UsbServer_SetCurrentConfig(4); // no such configuration
        QCOMPARE(HidUsbSim::activeConfiguration("Mouse1"), 2);
        UsbServer_SetCurrentConfig(0);
        QTRY_COMPARE(eventCount(), 1);
        takeEvents();
    }

    void clearingRestoresTheModelDefaultsAndAnnouncesAReset()
    {
        UsbServerC_Start(receiverPathText(), receiverPathText(), recordEvent);
        UsbServer_SetClearSetting();
        QTRY_COMPARE(eventCount(), 1);
        QCOMPARE(takeEvents().first().event(), int(HIDUSB_EVENT_RESET));
        const QByteArray defaults = HidUsbSim::storedConfiguration("Mouse1", 0);
        QCOMPARE(int(defaults[74]), 1); // key 0 is the left button
        QCOMPARE(int(defaults[1]), 8);  // eight DPI levels on model 1

        QByteArray changed = defaults;
        changed[0] = 64;
        changed[74] = 0;
        ProtocolDataUpdate(reinterpret_cast<const unsigned char *>(changed.constData()));
        QCOMPARE(HidUsbSim::storedConfiguration("Mouse1", 0), changed);
        UsbServer_SetClearSetting();
        QTRY_COMPARE(eventCount(), 1);
        takeEvents();
        QCOMPARE(HidUsbSim::storedConfiguration("Mouse1", 0), defaults);

        UsbServer_SetBatteryOptimizeEnable(0);
        QVERIFY(!HidUsbSim::batteryOptimize("Mouse1"));
        UsbServer_SetPCDriverStatus(1);
        QVERIFY(HidUsbSim::driverActive("Mouse1"));
    }

    void theMouseKeepsItsConfigurationsAcrossRuns()
    {
        UsbServerC_Start(receiverPathText(), receiverPathText(), recordEvent);
        UsbServer_SetCurrentConfig(1);
        QByteArray record = HidUsbSim::storedConfiguration("Mouse1", 1);
        record[13] = 42;
        ProtocolDataUpdate(reinterpret_cast<const unsigned char *>(record.constData()));
        QTRY_VERIFY(HidUsbSim::isIdle());

        HidUsbSim::loadDefaultScenario(); // what a new process does
        QCOMPARE(HidUsbSim::activeConfiguration("Mouse1"), 1);
        QCOMPARE(int(HidUsbSim::storedConfiguration("Mouse1", 1).at(13)), 42);
        QVERIFY(QDir(qEnvironmentVariable("XDG_STATE_HOME") + "/Talvo Lumerant 4K/simulated-mice").exists());

        UsbServerC_Start(receiverPathText(), receiverPathText(), recordEvent);
        UsbServer_SetCurrentConfig(0);
        QTRY_VERIFY(HidUsbSim::isIdle());
        takeEvents();
    }

    void deviceSideChangesAreAnnouncedAsStatusChanges()
    {
        UsbServerC_Start(receiverPathText(), receiverPathText(), recordEvent);
        HidUsbSim::pressDpiButton("Mouse1");
        HidUsbSim::setReportRate("Mouse1", 64);
        HidUsbSim::requestReRead("Mouse1");
        HidUsbSim::setBattery("Mouse1", 15, true);
        QTRY_COMPARE(eventCount(), 4);
        const QList<Event> changes = takeEvents();
        for (int index = 0; index < 3; ++index)
            QCOMPARE(int(changes[index].payload.at(index)), 1);
        QCOMPARE(int(changes[3].payload.at(6)), 1);

        UsbServer_ReadCurrentDPI();
        UsbServer_ReadReportRate();
        UsbServer_ReadBatteryLevel();
        QTRY_COMPARE(eventCount(), 3);
        const QList<Event> reads = takeEvents();
        QCOMPARE(int(reads[0].payload[0]), 2);
        QCOMPARE(int(reads[1].payload[0]), 64);
        QCOMPARE(reads[2].payload, QByteArray("\x0F\x01", 2));
        UsbServer_SetClearSetting();
        QTRY_COMPARE(eventCount(), 1);
        takeEvents();
    }

    void receiverLightAndLongRange()
    {
        unsigned char rgb[HIDUSB_DONGLE_RGB_SIZE] = {3};
        QCOMPARE(UsbFinderC_Set4KDongleRGB(receiverPathText(), rgb), 1);
        unsigned char read[HIDUSB_DONGLE_RGB_SIZE] = {};
        UsbFinderC_Get4KDongleRGBValue(receiverPathText(), read);
        QCOMPARE(int(read[0]), 3);

        unsigned char mode = 's';
        UsbFinderC_SetLongRangeMode(receiverPathText(), 1);
        UsbFinderC_GetLongRangeMode(receiverPathText(), &mode);
        QCOMPARE(int(mode), 1);

        UsbServerC_Start(receiverPathText(), receiverPathText(), recordEvent);
        HidUsbSim::reportReceiverLight("Receiver1");
        HidUsbSim::dropLongRange("Receiver1");
        QTRY_COMPARE(eventCount(), 2);
        const QList<Event> reports = takeEvents();
        QCOMPARE(reports[0].event(), int(HIDUSB_EVENT_RECEIVER_LIGHT));
        QCOMPARE(reports[1].event(), int(HIDUSB_EVENT_LONG_RANGE));
        QCOMPARE(reports[1].payload.size(), 10);
        UsbFinderC_GetLongRangeMode(receiverPathText(), &mode);
        QCOMPARE(int(mode), 0);
    }

    void scenarioFileDescribesTheBusAndIsReadAgainWhenItChanges()
    {
        const QString path = writeScenario(TwoReceiverScenario);
        QVERIFY(HidUsbSim::loadScenario(path));
        const QByteArray receiver = HidUsbSim::receiverPath("Receiver1");
        int count = 5;
        UsbFinderC_FindHidDevicesByDefaultDeviceId("0x3F1A", "0x5A10", &count);
        QCOMPARE(count, 0); // Receiver2 is not plugged
        const HidDeviceIds ids = UsbFinderC_GetDeviceInfo(receiver.constData());
        QCOMPARE(int(ids.mid), 2);
        QCOMPARE(int(ids.kind), 1);
        QCOMPARE(UsbFinderC_GetVersion(receiver.constData()), 0x020A);

        unsigned char mode = 's';
        UsbFinderC_GetLongRangeMode(receiver.constData(), &mode);
        QCOMPARE(int(mode), int('s')); // no long-range mode: the answer is left alone

        UsbServerC_Start(receiver.constData(), receiver.constData(), recordEvent);
        UsbServer_ReadBatteryLevel();
        QTRY_COMPARE(eventCount(), 1);
        QCOMPARE(takeEvents().first().payload, QByteArray("\x37\x01", 2));
        QCOMPARE(int(HidUsbSim::storedConfiguration("Mouse1", 0).at(1)), 6); // model 2 has six levels

        // A person edits the file: Receiver2 comes in, the mouse goes on its cable.
        QByteArray edited = TwoReceiverScenario;
        edited.replace("Plugged=false", "Plugged=true");
        edited.append("Cable=true\n");
        writeScenario(edited);
        hotplugCalls = 0;
        StartUsbChanged(countHotplug, 600);
        QTRY_VERIFY_WITH_TIMEOUT(UsbFinderC_GetDeviceOnLine(HidUsbSim::cablePath("Mouse1").constData()) == 1, 3000);
        count = 5;
        UsbFinderC_FindHidDevicesByDefaultDeviceId("0x3F1A", "0x5A10", &count);
        QCOMPARE(count, 1);
        QCOMPARE(UsbFinderC_GetDeviceOnLine(receiver.constData()), 0);
        QTRY_VERIFY(hotplugCalls.load() >= 2);

        QFile::remove(path);
        const PipeWatch pipe(path);
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Device scenario " + path + NotRegular));
        QTRY_VERIFY_WITH_TIMEOUT(HidUsbSim::cablePath("Mouse1").isEmpty(), 3000);
        QVERIFY(!pipe.readerWaited());
    }

    // Each mistake is one line naming the file and the key.
    void aScenarioFilesMistakesAreToldOnStderr_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("told");
        QTest::newRow("a latency beyond the bound")
            << QByteArray("[Bus]\nLatency=1000000000\n[Mouse1]\nMid=1\n")
            << ": Bus/Latency=1000000000 is out of range 0 to 10000, 10000 is used";
        QTest::newRow("a kind no receiver has") << QByteArray("[Receiver1]\nKind=3\n") << ": Receiver1/Kind=3 is not 0, 1, 4 or 5, 5 is used";
        QTest::newRow("no number") << QByteArray("[Mouse1]\nBattery=full\n") << ": Mouse1/Battery=full is no number, 80 is used";
        QTest::newRow("a number too long for 64 bits")
            << QByteArray("[Bus]\nLatency=99999999999999999999\n[Mouse1]\nMid=1\n")
            << ": Bus/Latency=99999999999999999999 is out of range 0 to 10000, 10000 is used";
        QTest::newRow("neither true nor false") << QByteArray("[Receiver1]\nPlugged=ture\n")
                                                << ": Receiver1/Plugged=ture is neither true nor false, true is used";
        QTest::newRow("an id that is no number") << QByteArray("[Receiver1]\nId=0x12,O,0x56\n")
                                                 << ": Receiver1/Id=0x12,O,0x56 is not three numbers from 0 to 255, 0x12,0x34,0x56 is used";
        QTest::newRow("random bytes") << randomBytes(300, 7) << " defines no device: no section is named Receiver... or Mouse...";
    }

    void aScenarioFilesMistakesAreToldOnStderr()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, told);
        const QString path = writeScenario(content);
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Device scenario " + path + told));
        QVERIFY(HidUsbSim::loadScenario(path));
    }

    void injectedFaultsReachTheProgram()
    {
        UsbServerC_Start(receiverPathText(), receiverPathText(), recordEvent);
        HidUsbSim::injectFault(HidUsbSim::Fault::NonZeroStatus);
        HidUsbSim::injectFault(HidUsbSim::Fault::WrongLength);
        UsbServer_ReadConfig();
        UsbServer_ReadDPILed();
        UsbServer_ReadConfig();
        QTRY_COMPARE(eventCount(), 3);
        const QList<Event> faulty = takeEvents();
        QCOMPARE(faulty[0].status(), 1);
        QCOMPARE(faulty[0].payload.size(), 0); // both faults on the first answer
        QCOMPARE(faulty[1].payload.size(), 8);
        QCOMPARE(faulty[2].status(), 0);

        HidUsbSim::injectFault(HidUsbSim::Fault::NoAnswer);
        UsbServer_ReadConfig();
        UsbServer_ReadVersion();
        QTRY_COMPARE(eventCount(), 1);
        QCOMPARE(takeEvents().first().event(), int(HIDUSB_EVENT_VERSION));

        hotplugCalls = 0;
        StartUsbChanged(countHotplug, 600);
        QTRY_COMPARE(hotplugCalls.load(), 1);
        HidUsbSim::injectFault(HidUsbSim::Fault::UnplugDuringRead);
        UsbServer_ReadAllFlashData();
        QTRY_COMPARE(hotplugCalls.load(), 2);
        QTRY_VERIFY(HidUsbSim::isIdle());
        QCOMPARE(eventCount(), 0);
        int count = 5;
        UsbFinderC_FindHidDevicesByDefaultDeviceId("0x3F1A", "0x5A18", &count);
        QCOMPARE(count, 0);
    }

    void pairingAndUpgradeAnswer()
    {
        UsbServerC_Start(receiverPathText(), receiverPathText(), recordEvent);
        UsbServer_EnterDonglePairOnlyCid(35);
        QTRY_COMPARE(eventCount(), 2);
        QList<Event> pairing = takeEvents();
        QCOMPARE(pairing[0].payload, QByteArray(1, 1));
        QCOMPARE(pairing[1].payload, QByteArray(1, 2)); // no mouse waits to be paired

        HidUsbSim::setMousePower("Mouse1", true);
        HidUsbSim::setPairingCandidate("Mouse1");
        UsbServer_EnterDonglePairOnlyCid(35);
        UsbServer_ReadDonglePairStatus();
        QTRY_COMPARE(eventCount(), 3);
        pairing = takeEvents();
        QCOMPARE(pairing[1].payload, QByteArray(1, 3));
        QCOMPARE(pairing[2].payload, QByteArray(1, 3));

        int count = 5;
        const QByteArray image = firmwareImage(211, "TLM4K-R8", 0x0106);
        HidUsbSim::setBootMode("Receiver1", true);
        UsbUpgradeC_FindBootDevices(bytesOf(image), &count);
        QCOMPARE(count, 1);
        HidUsbSim::setUpgradeStepTime(0);
        QCOMPARE(UsbUpgrade_Start(bytesOf(image), recordUpgrade, 10000), 1);
        QTRY_VERIFY(!upgradeResult().isEmpty());
        const char **logs = UsbUpgradeC_GetLogs();
        for (int line = 0; line < HIDUSB_UPGRADE_LOG_LINES; ++line)
            QVERIFY(logs[line] && *logs[line]);
    }

    void anUpgradeWritesTheDeviceItsImageSuitsAndTheDeviceKeepsIt_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("identifier");
        QTest::addColumn<int>("mid");
        QTest::addColumn<bool>("cabled");
        QTest::addColumn<bool>("started");

        QTest::newRow("a receiver image of its class") << 211 << QByteArray("TLM4K-R8") << 1 << false << true;
        QTest::newRow("a receiver image of another class") << 211 << QByteArray("TLM4K-R4") << 1 << false << false;
        QTest::newRow("a receiver image of another model") << 211 << QByteArray("TLM4K-R8") << 2 << false << false;
        QTest::newRow("a mouse image, the mouse on its cable") << 210 << QByteArray("TLM4K-M1") << 1 << true << true;
        QTest::newRow("a mouse image, the mouse wireless") << 210 << QByteArray("TLM4K-M1") << 1 << false << false;
    }

    void anUpgradeWritesTheDeviceItsImageSuitsAndTheDeviceKeepsIt()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, identifier);
        QFETCH(int, mid);
        QFETCH(bool, cabled);
        QFETCH(bool, started);
        const QString device = kind == 210 ? "Mouse1" : "Receiver1";
        const auto version = [kind] {
            return kind == 210 ? UsbFinderC_GetVersion(HidUsbSim::cablePath("Mouse1").constData()) : receiverVersion();
        };
        HidUsbSim::setMouseCable("Mouse1", cabled);
        HidUsbSim::setUpgradeStepTime(1);
        const int before = version();
        const QByteArray image = firmwareImage(kind, identifier.constData(), before + 1, mid);

        QCOMPARE(UsbUpgrade_Start(bytesOf(image), recordUpgrade, 10000), started ? 1 : 0);
        if (!started) {
            QVERIFY(!HidUsbSim::bootMode(device));
            QTest::qWait(50);
            QVERIFY(takeUpgradeReports().isEmpty());
            return;
        }
        QTRY_COMPARE(upgradeResult(), QByteArray("\x07\x02\x01", 3));
        QList<QByteArray> progress = takeUpgradeReports();
        progress.removeLast();
        QCOMPARE(progress.size(), 6);
        for (int step = 0; step < progress.size(); ++step)
            QCOMPARE(progress[step], QByteArray("\x07\x01", 2) + char(step * 20));
        QCOMPARE(version(), before + 1);

        HidUsbSim::loadDefaultScenario(); // what a new process does
        HidUsbSim::setMouseCable("Mouse1", cabled);
        QCOMPARE(version(), before + 1);
        QVERIFY(!HidUsbSim::bootMode(device));
    }

    void anUpgradeThatGoesWrongLeavesItsDeviceInBootMode_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("progressReports");
        QTest::addColumn<bool>("plugged");

        QTest::newRow("a failed write") << int(HidUsbSim::UpgradeFault::FailAt) << 50 << 3 << true;
        QTest::newRow("unplugged") << int(HidUsbSim::UpgradeFault::UnplugAt) << 40 << 2 << false;
        QTest::newRow("no answer until the call's limit") << int(HidUsbSim::UpgradeFault::HangAt) << 20 << 1 << true;
    }

    void anUpgradeThatGoesWrongLeavesItsDeviceInBootMode()
    {
        QFETCH(int, fault);
        QFETCH(int, percent);
        QFETCH(int, progressReports);
        QFETCH(bool, plugged);
        HidUsbSim::setUpgradeStepTime(1);
        HidUsbSim::setUpgradeFault(HidUsbSim::UpgradeFault(fault), percent);
        hotplugCalls = 0;
        StartUsbChanged(countHotplug, 600);
        QTRY_COMPARE(hotplugCalls.load(), 1);
        const QByteArray image = firmwareImage(211, "TLM4K-R8", 0x0106);

        QElapsedTimer clock;
        clock.start();
        QCOMPARE(UsbUpgrade_Start(bytesOf(image), recordUpgrade, 300), 1);
        QTRY_COMPARE(upgradeResult(), QByteArray("\x07\x02\x00", 3));
        QCOMPARE(takeUpgradeReports().size(), progressReports + 1);
        if (HidUsbSim::UpgradeFault(fault) == HidUsbSim::UpgradeFault::HangAt)
            QVERIFY(clock.elapsed() >= 300);
        QVERIFY(HidUsbSim::bootMode("Receiver1"));
        QTRY_VERIFY(hotplugCalls.load() >= 2);
        int count = 5;
        UsbFinderC_FindHidDevicesByDefaultDeviceId("0x3F1A", "0x5A18", &count);
        QCOMPARE(count, 0); // out of normal discovery
        UsbUpgradeC_FindBootDevices(bytesOf(image), &count);
        QCOMPARE(count, plugged ? 1 : 0);
        const char **logs = UsbUpgradeC_GetLogs();
        QVERIFY(logs[0] && logs[3]);
        QVERIFY(!logs[HIDUSB_UPGRADE_LOG_LINES - 1]); // lines the run did not reach

        HidUsbSim::loadDefaultScenario();
        QVERIFY(HidUsbSim::bootMode("Receiver1")); // a real device stays broken too
    }

    void aRefusedStartTouchesNothing()
    {
        HidUsbSim::setUpgradeFault(HidUsbSim::UpgradeFault::Refused);
        const QByteArray image = firmwareImage(211, "TLM4K-R8", 0x0106);
        QCOMPARE(UsbUpgrade_Start(bytesOf(image), recordUpgrade, 10000), 0);
        QVERIFY(!HidUsbSim::bootMode("Receiver1"));
        QCOMPARE(receiverVersion(), 0x0105);
        QTest::qWait(50);
        QVERIFY(takeUpgradeReports().isEmpty());
        HidUsbSim::setUpgradeStepTime(1);
        QCOMPARE(UsbUpgrade_Start(bytesOf(image), recordUpgrade, 10000), 1); // only the next start
        QTRY_VERIFY(!upgradeResult().isEmpty());
    }

    void theReceiverKeepsItsLightAndLongRangeAcrossRuns()
    {
        unsigned char rgb[HIDUSB_DONGLE_RGB_SIZE] = {2, 9, 8, 7};
        UsbFinderC_Set4KDongleRGB(receiverPathText(), rgb);
        UsbFinderC_SetLongRangeMode(receiverPathText(), 1);
        HidUsbSim::loadDefaultScenario();
        unsigned char read[HIDUSB_DONGLE_RGB_SIZE] = {};
        UsbFinderC_Get4KDongleRGBValue(receiverPathText(), read);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(read), 4), QByteArray("\x02\x09\x08\x07", 4));
        unsigned char mode = 0;
        UsbFinderC_GetLongRangeMode(receiverPathText(), &mode);
        QCOMPARE(int(mode), 1);
    }
};

TALVO_TEST_GUILESS_MAIN(tst_SimulatedLibrary)
#include "tst_simulatedlibrary.moc"
