#pragma once

#include "HIDUsb.h"
#include "simscenario.h"
#include "simstore.h"

#include <QByteArray>
#include <QString>

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
    static SimReceiver fromSetup(const ReceiverSpec &setup, const QByteArray &path, int idReadsLeft);

    void readLight(unsigned char *rgb) const;
    void setLight(const unsigned char *rgb);
    // False when the receiver has no long-range mode.
    bool readLongRange(unsigned char *mode) const;
    bool setLongRange(int on);
    // The receiver left long range by itself.
    void leaveLongRange();
    // Pairing for customer id `cid`: takes `candidate` when it is powered,
    // off its cable and of that customer. The status becomes 3 (paired) or
    // 2 (failed).
    int pair(SimMouse *candidate, int cid);

    bool bootMode() const { return stored.bootMode; }
    void setBootMode(bool on);
    // An upgrade wrote firmware `version`: kept, and out of boot mode.
    void installFirmware(int version);

    ReceiverSpec setup;
    QByteArray path;
    int idReadsLeft = 0;
    std::uint8_t light[HIDUSB_DONGLE_RGB_SIZE] = {};
    int pairStatus = 0;

private:
    void save();

    QString storePath;
    SimStore::StoredReceiver stored;
};
