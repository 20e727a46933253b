#pragma once

#include "simscenario.h"
#include "simstore.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// A simulated mouse: what its scenario says, the four configurations it
// stores, the firmware an upgrade wrote, and the state the program sets
// through the device server. The bus owns the mice and calls these with
// its lock held.
class SimMouse
{
public:
    // A mouse as its setup describes it, with the configurations, the
    // firmware and the pairing it stored in an earlier run, else its model's
    // defaults.
    static SimMouse fromSetup(const MouseSetup &setup, const QByteArray &cablePath, int idReadsLeft);

    QByteArray &activeDump();
    const QByteArray &activeDump() const;
    void save() const;

    // Makes configuration `index` the active one; false for no such index.
    bool switchConfiguration(int index);
    // The active configuration back to the model's defaults.
    void restoreDefaults();
    void writeRecord(const std::uint8_t *record);
    // The DPI button: the next level of the active configuration.
    void nextDpiLevel();
    void setReportRate(int code);
    // Configuration `index` as the program's record, empty for no such index.
    QByteArray storedRecord(int index) const;

    // Takes the id of the receiver it was paired with; kept across runs, it
    // wins over the scenario's pairing. An empty id drops what was kept.
    void pairWith(const QByteArray &receiverId);

    bool bootMode() const { return stored.bootMode; }
    void setBootMode(bool on);
    // An upgrade wrote firmware `version`: kept, and out of boot mode.
    void installFirmware(int version);

    MouseSetup setup;
    SimStore::StoredMouse stored;
    QString storePath;
    QByteArray cablePath;
    int idReadsLeft = 0;
    bool driverActive = false;
    bool batteryOptimize = false;
};
