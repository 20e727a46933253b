// The receiver screen's clock packet and the devices it goes to.

#include "devicelinktest.h"
#include "screenclock.h"
#include "screendevices.h"
#include "testenvironment.h"

using namespace DeviceLinkTest;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(char(value));
    return result;
}

QByteArray withChecksum(QByteArray packet)
{
    packet[packet.size() - 1] = char(screenPacketChecksum(packet));
    return packet;
}

} // namespace

class tst_ScreenClock : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetAll();
        screenVendorId.set(QStringLiteral("0x3F1A"));
        screenDeviceIds.set({QStringLiteral("0x5A18")});
        screenDevicePaths.set({});
    }

    void thePacketCarriesTheLocalDateTimeAndWeekday_data()
    {
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<QByteArray>("head");
        QTest::newRow("a Sunday late in 2026")
            << QDateTime(QDate(2026, 12, 6), QTime(23, 4, 5))
            << bytes({0x0A, 0x00, 0x10, 0x07, 0xEA, 12, 6, 23, 4, 5, 7});
        QTest::newRow("a Monday at midnight")
            << QDateTime(QDate(2024, 1, 1), QTime(0, 0, 0))
            << bytes({0x0A, 0x00, 0x10, 0x07, 0xE8, 1, 1, 0, 0, 0, 1});
    }

    void thePacketCarriesTheLocalDateTimeAndWeekday()
    {
        QFETCH(QDateTime, time);
        QFETCH(QByteArray, head);
        const QByteArray packet = screenClockPacket(time);
        QCOMPARE(packet.size(), 40);
        QCOMPARE(packet.left(11), head);
        QCOMPARE(packet.mid(11, 28), QByteArray(28, '\0'));
        QVERIFY(verifyScreenReply(packet));
    }

    void theChecksumIsFiftyFiveMinusTheSumOfTheBytesBeforeIt_data()
    {
        QTest::addColumn<QByteArray>("packet");
        QTest::addColumn<int>("checksum");
        QTest::newRow("all zero") << QByteArray(40, '\0') << 0x55;
        QTest::newRow("the last byte does not count") << QByteArray(39, '\0') + char(0x33) << 0x55;
        QTest::newRow("wraps below zero") << bytes({0x50, 0x10, 0x00}) << 0xF5;
        QTest::newRow("the 2026 packet")
            << screenClockPacket(QDateTime(QDate(2026, 12, 6), QTime(23, 4, 5)))
            << ((0x55 - (0x0A + 0x10 + 0x07 + 0xEA + 12 + 6 + 23 + 4 + 5 + 7)) & 0xFF);
    }

    void theChecksumIsFiftyFiveMinusTheSumOfTheBytesBeforeIt()
    {
        QFETCH(QByteArray, packet);
        QFETCH(int, checksum);
        QCOMPARE(int(screenPacketChecksum(packet)), checksum);
    }

    void aReplyCountsWhenItEchoesSevenBytesAndItsChecksumHolds_data()
    {
        const QByteArray request = screenClockPacket(QDateTime(QDate(2026, 12, 6), QTime(23, 4, 5)));
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("echo") << request << true;
        QByteArray answered = request;
        answered[20] = char(0x42);
        QTest::newRow("other bytes after the seventh") << withChecksum(answered) << true;
        QByteArray otherDay = request;
        otherDay[6] = char(7);
        QTest::newRow("byte 6 differs") << withChecksum(otherDay) << false;
        QByteArray broken = request;
        broken[39] = char(broken.at(39) + 1);
        QTest::newRow("checksum broken") << broken << false;
        QTest::newRow("short") << request.left(39) << false;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void aReplyCountsWhenItEchoesSevenBytesAndItsChecksumHolds()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, accepted);
        const QByteArray request = screenClockPacket(QDateTime(QDate(2026, 12, 6), QTime(23, 4, 5)));
        QCOMPARE(screenReplyAccepted(request, reply), accepted);
    }

    void theScreenDevicesAreFoundForEveryProductId()
    {
        screenDevicePaths.set({QStringLiteral("stale")});
        screenDeviceIds.set({QStringLiteral("0x5A01"), QStringLiteral("0x5A18")});
        enumerateScreenDevices();
        QCOMPARE(screenDevicePaths.get(), QStringList{QString::fromLatin1(receiverPath())});
        QCOMPARE(HidUsbSim::callLog(),
                 QStringList({"UsbFinderC_FindHidDevicesByDeviceId(0x3F1A,0x5A01,1,8)",
                              "UsbFinderC_FindHidDevicesByDeviceId(0x3F1A,0x5A18,1,8)"}));
    }

    void theClockGoesToTheFirstDeviceFoundOnly()
    {
        QVERIFY(!syncScreenClock(QDateTime::currentDateTime()));
        QVERIFY(HidUsbSim::callLog().isEmpty());

        enumerateScreenDevices();
        HidUsbSim::clearCallLog();
        QVERIFY(syncScreenClock(QDateTime::currentDateTime()));
        QCOMPARE(HidUsbSim::callLog(),
                 QStringList({"UsbFinderC_OpenDevice(" + QString::fromLatin1(receiverPath()) + ")",
                              "UsbFinderC_ReadWriteDeviceData(40)"}));
    }
};

TALVO_TEST_GUILESS_MAIN(tst_ScreenClock)
#include "tst_screenclock.moc"
