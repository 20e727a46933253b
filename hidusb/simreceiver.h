#pragma once

#include "HIDUsb.h"
#include "simscenario.h"

#include <QByteArray>

#include <cstdint>

class SimMouse;

// A simulated receiver: what its scenario says, its light record, its
// long-range mode and its pairing. The bus owns the receivers and calls
// these with its lock held.
class SimReceiver
{
public:
    static SimReceiver fromSetup(const ReceiverSpec &setup, const QByteArray &path, int idReadsLeft);

    void readLight(unsigned char *rgb) const;
    void setLight(const unsigned char *rgb);
    // False when the receiver has no long-range mode.
    bool readLongRange(unsigned char *mode) const;
    bool setLongRange(int on);
    // Pairing for customer id `cid`: takes `candidate` when it is powered,
    // off its cable and of that customer. The status becomes 3 (paired) or
    // 2 (failed).
    int pair(SimMouse *candidate, int cid);

    ReceiverSpec setup;
    QByteArray path;
    int idReadsLeft = 0;
    std::uint8_t light[HIDUSB_DONGLE_RGB_SIZE] = {};
    int pairStatus = 0;
};
