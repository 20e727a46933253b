#include "screenclock.h"

#include "screendevices.h"

#include <HIDUsb.h>

namespace {

constexpr int EchoedBytes = 7;
constexpr int Exchanges = 5;
constexpr std::uint8_t ChecksumBase = 0x55;

} // namespace

QByteArray screenClockPacket(const QDateTime &localTime)
{
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    QByteArray packet(ScreenPacketLength, '\0');
    const int fields[] = {0x0A, 0x00, 0x10, date.year() >> 8, date.year() & 0xFF, date.month(), date.day(),
                          time.hour(), time.minute(), time.second(), date.dayOfWeek()};
    for (int i = 0; i < int(std::size(fields)); ++i)
        packet[i] = char(fields[i]);
    packet[ScreenPacketLength - 1] = char(screenPacketChecksum(packet));
    return packet;
}

std::uint8_t screenPacketChecksum(const QByteArray &packet)
{
    std::uint8_t sum = 0;
    for (int i = 0; i + 1 < packet.size(); ++i)
        sum = std::uint8_t(sum + std::uint8_t(packet.at(i)));
    return std::uint8_t(ChecksumBase - sum);
}

bool verifyScreenReply(const QByteArray &reply)
{
    return reply.size() == ScreenPacketLength && std::uint8_t(reply.back()) == screenPacketChecksum(reply);
}

bool screenReplyAccepted(const QByteArray &request, const QByteArray &reply)
{
    return request.size() >= EchoedBytes && reply.startsWith(request.left(EchoedBytes)) && verifyScreenReply(reply);
}

bool sendScreenPacket(const QByteArray &packet)
{
    if (packet.size() != ScreenPacketLength)
        return false;
    for (int exchange = 0; exchange < Exchanges; ++exchange) {
        QByteArray reply(ScreenPacketLength, '\0');
        UsbFinderC_ReadWriteDeviceData(reinterpret_cast<const unsigned char *>(packet.constData()),
                                       reinterpret_cast<unsigned char *>(reply.data()),
                                       static_cast<unsigned char>(ScreenPacketLength));
        if (screenReplyAccepted(packet, reply))
            return true;
    }
    return false;
}

bool syncScreenClock(const QDateTime &localTime)
{
    const QStringList paths = screenDevicePaths.get();
    if (paths.isEmpty() || !UsbFinderC_OpenDevice(paths.first().toLatin1().constData()))
        return false;
    return sendScreenPacket(screenClockPacket(localTime));
}
