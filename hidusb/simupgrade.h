#pragma once

#include "HIDUsb.h"
#include "hidusb_sim.h"

#include <QByteArray>
#include <QList>
#include <QString>

class SimBus;

// Firmware upgrades. An image suits a device of its kind (210 a mouse, 211
// a receiver) with its customer id, model id and firmware identifier, so
// the identifier picks the receiver class. A run writes the image to one
// such device: a receiver that is plugged in, a mouse on its cable, one in
// boot mode first. The device stays in boot mode (out of normal discovery)
// until a run succeeds. Progress and result come from a thread of the
// run's own; the library's call limit ends a run whose device stops
// answering. It shares the bus's lock.
class SimUpgrade
{
public:
    explicit SimUpgrade(SimBus &bus);

    // Devices in boot mode that the image suits.
    int bootDevices(const unsigned char *image) const;
    // False, with no report to come, when no device suits the image, a run
    // is under way or the start is refused.
    bool start(const unsigned char *image, UpgradeCallback callback, int timeout);
    // The eight lines of the last run; lines it did not reach are null.
    const char **logs() const;

    void setFault(HidUsbSim::UpgradeFault fault, int percent);
    void setStepTime(int milliseconds);

private:
    struct Image
    {
        int kind = 0;
        int cid = 0;
        int mid = 0;
        int version = 0;
        QString identifier;
    };
    struct Target
    {
        bool mouse = false;
        QString name;
    };
    struct Candidate
    {
        Target target;
        bool bootMode = false;
    };
    struct Plan
    {
        Target target;
        int version = 0;
        HidUsbSim::UpgradeFault fault = HidUsbSim::UpgradeFault::None;
        int faultPercent = 0;
        int stepMs = 0;
        int timeoutMs = 0;
    };

    static Image readImage(const unsigned char *image);
    // With the bus's lock held.
    QList<Candidate> candidates(const Image &image) const;
    bool isPresent(const Target &target) const;
    void setBootMode(const Target &target, bool on);
    void unplug(const Target &target);
    void install(const Target &target, int version);
    void log(const QString &line);

    void run(const Plan &plan, UpgradeCallback callback);
    void fail(UpgradeCallback callback, const QString &reason);

    SimBus &m_bus;
    bool m_running = false;
    HidUsbSim::UpgradeFault m_fault = HidUsbSim::UpgradeFault::None;
    int m_faultPercent = 50;
    int m_stepMs = 250;
    QByteArray m_lines[HIDUSB_UPGRADE_LOG_LINES];
    mutable const char *m_linePointers[HIDUSB_UPGRADE_LOG_LINES] = {};
    int m_lineCount = 0;
};
