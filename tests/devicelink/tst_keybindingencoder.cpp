#include "configurationsenders.h"
#include "devicelinktest.h"
#include "hubprobe.h"
#include "keybindingencoder.h"
#include "testenvironment.h"

using namespace DeviceLinkTest;

namespace {

// A two-step media payload: press and release of the usage, 10 ms each.
QByteArray mediaPayload(int usage)
{
    const QByteArray usageBytes = QByteArray(1, char(usage & 0xFF)) + char(usage >> 8);
    return (QByteArray::fromHex("02000000 0002") + usageBytes + QByteArray::fromHex("0A000000 0102") + usageBytes
            + QByteArray::fromHex("0A000000"))
        .leftJustified(52, '\0');
}

QByteArray storedKey(int key)
{
    const QByteArray stored = HidUsbSim::storedConfiguration("Mouse1", 0);
    return stored.mid(74 + 3 * key, 3) + stored.mid(124 + 52 * key, 52);
}

} // namespace

class tst_KeyBindingEncoder : public QObject
{
    Q_OBJECT

private:
    HubProbe *m_probe = nullptr;
    QByteArray m_before;

private slots:
    void initTestCase()
    {
        m_probe = new HubProbe;
    }

    void init()
    {
        resetAll();
        UsbServerC_Start(receiverPath().constData(), receiverPath().constData(), ignoreEvents);
        CurrentDevicePath.set(receiverPath());
        m_before = HidUsbSim::storedConfiguration("Mouse1", 0);
        DeviceProtocolData.set(recordOf(m_before));
        g_deviceRecordLoaded = true;
        HidUsbSim::clearCallLog();
        m_probe->clear();
    }

    void mediaFunctionsSendTheirConsumerUsage_data()
    {
        QTest::addColumn<int>("lowByte");
        QTest::addColumn<int>("usage");
        for (const int usage : {0x0221, 0x0223, 0x0224, 0x0225, 0x0226, 0x0227, 0x022A, 0x0183, 0x018A, 0x0192,
                                0x0194, 0x00B5, 0x00B6, 0x00B7, 0x00CD, 0x00E2, 0x00E9, 0x00EA})
            QTest::addRow("%04X", usage) << (usage & 0xFF) << usage;
    }

    void mediaFunctionsSendTheirConsumerUsage()
    {
        QFETCH(int, lowByte);
        QFETCH(int, usage);
        QVERIFY(KeyBindingEncoder(3, lowByte));
        QCOMPARE(storedKey(3).toHex(' '), (QByteArray::fromHex("050000") + mediaPayload(usage)).toHex(' '));
        const KeyData sent = DeviceProtocolData.get().KeyDatas[3];
        QCOMPARE(consumerLowByteOf(sent), lowByte);
    }

    void aCombinationSendsItsKeySequence()
    {
        QVERIFY(!AssignKeyCombination(6, "Ctrl+A"));
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 0);
        QVERIFY(AssignKeyCombination(4, "Ctrl+Num+"));
        const QByteArray expected = QByteArray::fromHex("050000 04000000"
                                                        "0000 0100 0A000000"
                                                        "0001 5700 0A000000"
                                                        "0101 5700 0A000000"
                                                        "0100 0100 0A000000")
                                        .leftJustified(55, '\0');
        QCOMPARE(storedKey(4).toHex(' '), expected.toHex(' '));
        QCOMPARE(consumerLowByteOf(DeviceProtocolData.get().KeyDatas[4]), -1);
    }

    void refusedBindingsSendNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("lowByte");
        QTest::addColumn<bool>("online");
        QTest::newRow("key beyond the six") << 6 << 0xE2 << true;
        QTest::newRow("negative key") << -1 << 0xE2 << true;
        QTest::newRow("no such media function") << 0 << 0x22 << true;
        QTest::newRow("device offline") << 0 << 0xE2 << false;
    }

    void refusedBindingsSendNothing()
    {
        QFETCH(int, key);
        QFETCH(int, lowByte);
        QFETCH(bool, online);
        HidUsbSim::setMousePower("Mouse1", online);
        QVERIFY(!KeyBindingEncoder(key, lowByte));
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 0);
        QCOMPARE(bytesOf(DeviceProtocolData.get()), m_before);
    }
};

TALVO_TEST_GUILESS_MAIN(tst_KeyBindingEncoder)
#include "tst_keybindingencoder.moc"
