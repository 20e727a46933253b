#pragma once

#include "HIDUsb.h"

class SimBus;

// Firmware upgrades: the devices waiting in boot mode, and the upgrade run
// that reports its progress and result from a thread of its own. It shares
// the bus's lock.
class SimUpgrade
{
public:
    explicit SimUpgrade(SimBus &bus);

    int bootDevices() const;
    void setBootDevices(int count);
    void start(UpgradeCallback callback);
    // The eight lines describing the last upgrade.
    static const char **logs();

private:
    SimBus &m_bus;
    int m_bootDevices = 0;
};
