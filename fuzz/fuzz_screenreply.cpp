// Feeds the receiver screen's reply check arbitrary replies to a clock
// packet. Whatever the reply holds, it is accepted only when it has the
// packet's length, echoes its first seven bytes and carries its own
// checksum.

#include "fuzzenvironment.h"
#include "screenclock.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    prepareFuzzEnvironment(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QByteArray request = screenClockPacket(QDateTime(QDate(2026, 12, 6), QTime(23, 4, 5)));
    const QByteArray reply(reinterpret_cast<const char *>(data), int(size));
    if (!screenReplyAccepted(request, reply))
        return 0;
    if (reply.size() != ScreenPacketLength || !reply.startsWith(request.left(7))
        || std::uint8_t(reply.back()) != screenPacketChecksum(reply))
        std::abort();
    return 0;
}
