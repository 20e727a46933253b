#include "simreceiver.h"

#include "simmouse.h"

#include <cstring>

SimReceiver SimReceiver::fromSetup(const ReceiverSpec &setup, const QByteArray &path, int idReadsLeft)
{
    SimReceiver receiver;
    receiver.setup = setup;
    receiver.path = path;
    receiver.light[0] = quint8(setup.lightMode);
    receiver.idReadsLeft = idReadsLeft;
    return receiver;
}

void SimReceiver::readLight(unsigned char *rgb) const
{
    std::memcpy(rgb, light, HIDUSB_DONGLE_RGB_SIZE);
}

void SimReceiver::setLight(const unsigned char *rgb)
{
    std::memcpy(light, rgb, HIDUSB_DONGLE_RGB_SIZE);
    setup.lightMode = rgb[0];
}

bool SimReceiver::readLongRange(unsigned char *mode) const
{
    if (setup.longRange < 0)
        return false;
    *mode = quint8(setup.longRange);
    return true;
}

bool SimReceiver::setLongRange(int on)
{
    if (setup.longRange < 0)
        return false;
    setup.longRange = on ? 1 : 0;
    return true;
}

int SimReceiver::pair(SimMouse *candidate, int cid)
{
    if (candidate && candidate->setup.powered && !candidate->setup.cabled && candidate->setup.cid == cid) {
        setup.mouse = candidate->setup.name;
        candidate->setup.receiverId = setup.id;
        pairStatus = 3;
    } else {
        pairStatus = 2;
    }
    return pairStatus;
}
