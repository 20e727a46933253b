#include "configurationsenders.h"
#include "deviceeventcallback.h"
#include "devicelinktest.h"
#include "hubprobe.h"
#include "keybindingencoder.h"
#include "testenvironment.h"

#include <functional>

using namespace DeviceLinkTest;

namespace {

struct Change
{
    int offset;
    int value;
};

// Key entry {5, 0, 0} and the payload of a key sequence, as the mouse stores them.
QByteArray storedSequence(int key)
{
    const QByteArray stored = HidUsbSim::storedConfiguration("Mouse1", 0);
    return (stored.mid(74 + 3 * key, 3) + stored.mid(124 + 52 * key, 52)).toHex(' ');
}

// Steps of 8 bytes after the entry and the step count: action, kind, code, 10 ms.
QByteArray sequence(const QByteArray &hexSteps)
{
    const QByteArray steps = QByteArray::fromHex(hexSteps);
    return (QByteArray::fromHex("050000") + char(steps.size() / 8) + QByteArray(3, '\0') + steps)
        .leftJustified(55, '\0')
        .toHex(' ');
}

} // namespace

Q_DECLARE_METATYPE(std::function<bool()>)
Q_DECLARE_METATYPE(QList<Change>)

class tst_ConfigurationSenders : public QObject
{
    Q_OBJECT

private:
    HubProbe *m_probe = nullptr;
    FlashDataMap m_loaded = {};

    // The state after a full read of the default mouse.
    void connectAndLoad()
    {
        UsbServerC_Start(receiverPath().constData(), receiverPath().constData(), ignoreEvents);
        CurrentDevicePath.set(receiverPath());
        m_loaded = recordOf(HidUsbSim::storedConfiguration("Mouse1", 0));
        DeviceProtocolData.set(m_loaded);
        g_deviceRecordLoaded = true;
        HidUsbSim::clearCallLog();
        m_probe->clear();
    }

    void addCase(const char *name, std::function<bool()> send, QList<Change> changes)
    {
        QTest::newRow(name) << QVariant::fromValue(send) << QVariant::fromValue(changes);
    }

private slots:
    void initTestCase()
    {
        m_probe = new HubProbe;
    }

    void init()
    {
        resetAll();
        connectAndLoad();
    }

    void eachSenderWritesItsBytesAndHandsOverTheWholeRecord_data()
    {
        QTest::addColumn<QVariant>("send");
        QTest::addColumn<QVariant>("changes");
        addCase("rate", [] { return setReportRate(0x120); }, {{0, 0x20}});
        addCase("current level", [] { return setCurrentDpiLevel(5); }, {{2, 5}});
        addCase("lift-off", [] { return setLiftOffDistance(3); }, {{5, 3}});
        addCase("debounce", [] { return setDebounceTime(4); }, {{6, 4}});
        addCase("motion sync", [] { return setMotionSync(1); }, {{7, 1}});
        addCase("sleep", [] { return setSleepTime(30); }, {{8, 30}});
        addCase("angle snapping", [] { return setStraightLine(1); }, {{9, 1}});
        addCase("ripple", [] { return setRippleControl(1); }, {{10, 1}});
        addCase("lights off moving", [] { return setLightOffWhileMoving(1); }, {{11, 1}});
        addCase("performance", [] { return setPerformanceEnabled(1); }, {{12, 1}});
        addCase("performance time", [] { return setPerformanceLevel(7); }, {{13, 7}});
        addCase("mode choice", [] { return setModelChoice(2); }, {{14, 2}});
        addCase("level value", [] { return setDpiLevelValue(7, 150, 151, 0x33); }, {{57, 150}, {58, 151}, {59, 0x33}});
        addCase("level colour", [] { return setDpiLevelColor(0, 1, 2, 3); }, {{18, 1}, {19, 2}, {20, 3}});
        addCase("level count", [] { return setDpiLevelCount(8); }, {{1, 8}});
        addCase("dpi light on", [] { return setDpiLightMode(2); }, {{63, 2}, {66, 1}});
        addCase("dpi light off keeps its code", [] { return setDpiLightMode(0); }, {{66, 0}});
        addCase("dpi brightness", [] { return setDpiLightBrightness(230); }, {{64, 230}});
        addCase("dpi speed", [] { return setDpiLightSpeed(5); }, {{65, 5}});
        addCase("light on", [] { return setLightMode(4); }, {{67, 4}, {73, 1}});
        addCase("light off keeps its code", [] { return setLightMode(0); }, {{73, 0}});
        addCase("light colour", [] { return setLightColor(256 + 9, 8, 7); }, {{68, 9}, {69, 8}, {70, 7}});
        addCase("light speed", [] { return setLightSpeed(3); }, {{71, 3}});
        addCase("light brightness", [] { return setLightBrightness(6); }, {{72, 6}});
        addCase("key function", [] { return setKeyFunction(4, 10, 12, 0); }, {{86, 10}, {87, 12}, {88, 0}});
        addCase("swap with equal indexes stores B", [] {
            const std::uint8_t a[6] = {1, 1, 0, 9, 9, 9};
            const std::uint8_t b[6] = {2, 2, 0, 8, 8, 8};
            return swapDpiLevels(a, b, 3, 3, 3);
        }, {{33, 2}, {34, 2}, {35, 0}, {36, 8}, {37, 8}, {38, 8}, {2, 3}, {1, 4}});
    }

    void eachSenderWritesItsBytesAndHandsOverTheWholeRecord()
    {
        QFETCH(QVariant, send);
        QFETCH(QVariant, changes);
        QVERIFY(send.value<std::function<bool()>>()());

        QByteArray expected = bytesOf(m_loaded);
        for (const Change &change : changes.value<QList<Change>>())
            expected[change.offset] = char(change.value);
        QCOMPARE(bytesOf(DeviceProtocolData.get()), expected);
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 1);
        QCOMPARE(HidUsbSim::storedConfiguration("Mouse1", 0), expected);
        QCOMPARE(m_probe->count("SigMouseOffLineo"), 0);
    }

    void keyPayloadAndMacroArriveWhole()
    {
        const std::uint8_t entry[3] = {5, 0, 0};
        QByteArray payload(52, '\0');
        payload[0] = 2;
        payload[6] = char(0xE9);
        QVERIFY(setKeyFunctionPayload(2, entry, reinterpret_cast<const std::uint8_t *>(payload.constData())));
        const std::uint8_t macroEntry[3] = {6, 3, 254};
        QByteArray body(592, '\x11');
        QVERIFY(setKeyMacro(3, macroEntry, reinterpret_cast<const std::uint8_t *>(body.constData())));

        const QByteArray stored = HidUsbSim::storedConfiguration("Mouse1", 0);
        QCOMPARE(stored.mid(80, 3), QByteArray("\5\0\0", 3));
        QCOMPARE(stored.mid(124 + 2 * 52, 52), payload);
        QCOMPARE(stored.mid(83, 3), QByteArray("\6\3\xFE", 3));
        QCOMPARE(stored.mid(956 + 3 * 592, 592), body);
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 2);
    }

    void keysAndLevelsOutsideTheRecordAreRefused()
    {
        const std::uint8_t entry[3] = {};
        const QByteArray body(592, '\0');
        const auto *bytes = reinterpret_cast<const std::uint8_t *>(body.constData());
        QVERIFY(!setKeyFunction(16, 1, 1, 0));
        QVERIFY(!setKeyFunction(-1, 1, 1, 0));
        QVERIFY(!setKeyFunctionPayload(16, entry, bytes));
        QVERIFY(!setKeyMacro(99, entry, bytes));
        QVERIFY(!setCurrentDpiLevel(8));
        QVERIFY(!setDpiLevelValue(8, 1, 1, 0));
        QVERIFY(!setDpiLevelColor(-1, 1, 1, 1));
        QVERIFY(!setDpiLevelCount(0));
        QVERIFY(!setDpiLevelCount(9));
        QVERIFY(!swapDpiLevels(bytes, bytes, 0, 8, 0));
        QVERIFY(!swapDpiLevels(bytes, bytes, 0, 0, 8));
        QCOMPARE(bytesOf(DeviceProtocolData.get()), bytesOf(m_loaded));
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 0);
    }

    void offlineSendersChangeNothingAndReportOnce()
    {
        HidUsbSim::setMousePower("Mouse1", false);
        QVERIFY(!setReportRate(32));
        QVERIFY(!setLightMode(2));
        QVERIFY(!isDeviceOnline());
        QVERIFY(!KeyBindingEncoder(0, 0xE2));
        QCOMPARE(m_probe->seen, (QStringList{"SigMouseOffLineo(0)", "SigMouseOffLineo(0)", "SigMouseOffLineo(0)",
                                             "SigMouseOffLineo(0)"}));
        QCOMPARE(bytesOf(DeviceProtocolData.get()), bytesOf(m_loaded));
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 0);

        m_probe->clear();
        g_sensorUiFilling = true;
        QVERIFY(!setReportRate(32));
        g_sensorUiFilling = false;
        g_buttonUiFilling = true;
        QVERIFY(!setKeyFunction(0, 1, 1, 0));
        QVERIFY(m_probe->seen.isEmpty());
    }

    void mediaFunctionsSendTheirConsumerUsage_data()
    {
        QTest::addColumn<int>("usage");
        for (const int usage : {0x0221, 0x0223, 0x0224, 0x0225, 0x0226, 0x0227, 0x022A, 0x0183, 0x018A, 0x0192,
                                0x0194, 0x00B5, 0x00B6, 0x00B7, 0x00CD, 0x00E2, 0x00E9, 0x00EA})
            QTest::addRow("%04X", usage) << usage;
    }

    void mediaFunctionsSendTheirConsumerUsage()
    {
        QFETCH(int, usage);
        const QByteArray code = QByteArray(1, char(usage & 0xFF)) + char(usage >> 8);
        QVERIFY(KeyBindingEncoder(3, usage & 0xFF));
        QCOMPARE(storedSequence(3), sequence("0002" + code.toHex() + "0A000000 0102" + code.toHex() + "0A000000"));
        QCOMPARE(consumerLowByteOf(DeviceProtocolData.get().KeyDatas[3]), usage & 0xFF);
    }

    void combinationsSendTheirKeySequence()
    {
        QVERIFY(!AssignKeyCombination(6, "Ctrl+A"));
        QVERIFY(!KeyBindingEncoder(-1, 0xE2));
        QVERIFY(!KeyBindingEncoder(0, 0x22)); // no such media function
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 0);
        QVERIFY(AssignKeyCombination(4, "Ctrl+Num+"));
        QCOMPARE(storedSequence(4), sequence("0000 0100 0A000000 0001 5700 0A000000"
                                             "0101 5700 0A000000 0100 0100 0A000000"));
        QCOMPARE(consumerLowByteOf(DeviceProtocolData.get().KeyDatas[4]), -1);
    }

    void theWholeRecordGoesAsItStandsOnceLoaded()
    {
        const FlashDataMap patched = DeviceProtocolData.update([](FlashDataMap &r) { r.KeyDatas[2].stepCountByte = 2; });
        QVERIFY(sendWholeRecord());
        QCOMPARE(HidUsbSim::storedConfiguration("Mouse1", 0), bytesOf(patched));
        HidUsbSim::setMousePower("Mouse1", false); // handed over without an online check
        QVERIFY(sendWholeRecord());
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 2);
        QVERIFY(m_probe->seen.isEmpty());

        g_deviceRecordLoaded = false;
        QVERIFY(!sendWholeRecord());
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 2);
    }

    void nothingIsWrittenBeforeTheDeviceWasRead()
    {
        g_deviceRecordLoaded = false;
        QVERIFY(!setKeyFunction(0, 0, 0, 0)); // would take the left click
        QVERIFY(!setReportRate(1));
        QVERIFY(isDeviceOnline());
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 0);
        QVERIFY(m_probe->seen.isEmpty());
        QCOMPARE(int(HidUsbSim::storedConfiguration("Mouse1", 0).at(74)), 1);

        // A device whose answers never arrive is not asked without end.
        for (int change = 0; change < 5; ++change)
            QVERIFY(!setDebounceTime(change));
        QCOMPARE(HidUsbSim::callCount("UsbServer_ReadAllFlashData"), 3);
    }

    void aLostFullReadIsAskedForAgainWhenAChangeIsRefused_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("reply one byte short") << int(HidUsbSim::Fault::WrongLength);
        QTest::newRow("reply with an error status") << int(HidUsbSim::Fault::NonZeroStatus);
    }

    void aLostFullReadIsAskedForAgainWhenAChangeIsRefused()
    {
        QFETCH(int, fault);
        g_deviceRecordLoaded = false;
        CurrentDevice.set(chosenReceiver());
        UsbServerC_Start(receiverPath().constData(), receiverPath().constData(), deviceEventCallback);
        HidUsbSim::injectFault(HidUsbSim::Fault(fault));
        UsbServer_ReadAllFlashData();
        QTRY_VERIFY(HidUsbSim::isIdle());
        QVERIFY(!g_deviceRecordLoaded);

        QVERIFY(!setReportRate(5));
        // The pages are handed what the device holds, and the next change reaches it.
        QTRY_COMPARE(m_probe->count("SigForm"), 1);
        QCOMPARE(bytesOf(m_probe->lastRecord), HidUsbSim::storedConfiguration("Mouse1", 0));
        QVERIFY(setReportRate(5));
        QCOMPARE(int(HidUsbSim::storedConfiguration("Mouse1", 0).at(0)), 5);
        QTRY_VERIFY(HidUsbSim::isIdle());
    }
};

TALVO_TEST_GUILESS_MAIN(tst_ConfigurationSenders)
#include "tst_configurationsenders.moc"
