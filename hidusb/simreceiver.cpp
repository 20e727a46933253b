#include "simreceiver.h"

#include "simmouse.h"

#include <cstring>

SimReceiver SimReceiver::fromSetup(const ReceiverSetup &setup, const QByteArray &path, int idReadsLeft)
{
    SimReceiver receiver;
    receiver.setup = setup;
    receiver.path = path;
    receiver.light[0] = quint8(setup.lightMode);
    receiver.idReadsLeft = idReadsLeft;
    receiver.storePath = SimStore::receiverFilePath(setup.name, setup.cid, setup.mid, setup.kind);
    if (SimStore::load(receiver.storePath, &receiver.stored)) {
        std::memcpy(receiver.light, receiver.stored.light.constData(), HIDUSB_DONGLE_RGB_SIZE);
        receiver.setup.lightMode = receiver.light[0];
        if (setup.longRange >= 0)
            receiver.setup.longRange = receiver.stored.longRange;
        if (receiver.stored.upgradedVersion != 0)
            receiver.setup.version = receiver.stored.upgradedVersion;
    }
    return receiver;
}

void SimReceiver::save()
{
    stored.light = QByteArray(reinterpret_cast<const char *>(light), HIDUSB_DONGLE_RGB_SIZE);
    stored.longRange = setup.longRange;
    SimStore::save(storePath, stored);
}

void SimReceiver::readLight(unsigned char *rgb) const
{
    std::memcpy(rgb, light, HIDUSB_DONGLE_RGB_SIZE);
}

void SimReceiver::setLight(const unsigned char *rgb)
{
    std::memcpy(light, rgb, HIDUSB_DONGLE_RGB_SIZE);
    setup.lightMode = rgb[0];
    save();
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
    save();
    return true;
}

void SimReceiver::leaveLongRange()
{
    if (setup.longRange <= 0)
        return;
    setup.longRange = 0;
    save();
}

void SimReceiver::beginPairing(int cid, int windowMs, bool silent)
{
    pairingCid = cid;
    pairingSilent = silent;
    pairStatus = 1;
    pairingEnds = std::chrono::steady_clock::now() + std::chrono::milliseconds(windowMs);
}

int SimReceiver::pair(SimMouse *candidate)
{
    if (candidate && candidate->setup.powered && !candidate->setup.cabled && candidate->setup.cid == pairingCid) {
        setup.mouse = candidate->setup.name;
        candidate->pairWith(setup.id);
        pairStatus = 3;
    } else {
        pairStatus = 2;
    }
    return pairStatus;
}

int SimReceiver::readPairStatus()
{
    if (pairingSilent)
        return -1;
    if (pairStatus == 1 && std::chrono::steady_clock::now() >= pairingEnds)
        pairStatus = 2;
    return pairStatus;
}

void SimReceiver::setBootMode(bool on)
{
    stored.bootMode = on;
    save();
}

void SimReceiver::installFirmware(int version)
{
    setup.version = version;
    stored.upgradedVersion = version;
    stored.bootMode = false;
    save();
}
