#pragma once

#include "HIDUsb.h"
#include "simscenario.h"
#include "simstore.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <cstdint>

class SimMouse;

// A simulated receiver: what its scenario says, its light record, its
// long-range mode, its pairing and the firmware an upgrade wrote. It keeps
// the light, the long-range mode and the firmware across runs. The bus owns
// the receivers and calls these with its lock held.
class SimReceiver
{
public:
    // A receiver as its setup describes it, with what it kept from an
    // earlier run; a setup without long-range mode keeps having none.
    static SimReceiver fromSetup(const ReceiverSetup &setup, const QByteArray &path, int idReadsLeft);

    void readLight(unsigned char *rgb) const;
    void setLight(const unsigned char *rgb);
    // False when the receiver has no long-range mode.
    bool readLongRange(unsigned char *mode) const;
    bool setLongRange(int on);
    // The receiver left long range by itself.
    void leaveLongRange();
    // Pairing for customer id `cid`: under way (status 1) until a mouse
    // pairs or `windowMs` have passed. A silent pairing answers nothing
    // until the next one begins.
    void beginPairing(int cid, int windowMs, bool silent);
    bool pairingUnderWay() const { return pairStatus == 1 && !pairingSilent; }
    // Takes `candidate` when it is powered, off its cable and of the
    // pairing's customer: the status becomes 3 (paired), else 2 (failed).
    int pair(SimMouse *candidate);
    // The status a read finds, -1 for no answer: a pairing whose window
    // passed without a mouse has failed.
    int readPairStatus();

    bool bootMode() const { return stored.bootMode; }
    void setBootMode(bool on);
    // An upgrade wrote firmware `version`: kept, and out of boot mode.
    void installFirmware(int version);

    ReceiverSetup setup;
    QByteArray path;
    int idReadsLeft = 0;
    std::uint8_t light[HIDUSB_DONGLE_RGB_SIZE] = {};
    // 0 never paired, 1 pairing, 2 failed, 3 paired.
    int pairStatus = 0;

private:
    void save();

    int pairingCid = 0;
    bool pairingSilent = false;
    std::chrono::steady_clock::time_point pairingEnds;

    QString storePath;
    SimStore::StoredReceiver stored;
};
