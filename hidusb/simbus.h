#pragma once

#include "HIDUsb.h"
#include "hidusb_sim.h"
#include "simmouse.h"
#include "simreceiver.h"
#include "simscenario.h"
#include "simserver.h"
#include "simupgrade.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <mutex>

// The simulated bus behind HIDUsb.h: the receivers and mice a scenario
// describes, the hot-plug watch, finding devices, the device server and
// the firmware upgrade, and the controls of hidusb_sim.h. One instance for
// the process, never destroyed: its event thread may still be inside a
// callback when the program ends. One lock guards every device.
class SimBus
{
public:
    static SimBus &instance();

    SimServer &server() { return m_server; }
    SimUpgrade &upgrade() { return m_upgrade; }

    void log(const QString &call);

    // Hot-plug watch.
    int startWatch(UsbChangeCallback callback);
    void stopWatch();

    // Finding devices.
    const char **find(const char *vendorId, const char *productId, int *count, bool capAtCount);
    int attribute(const char *path, unsigned char *attribute);
    HidDeviceIds deviceIds(const char *path);
    bool isOnline(const char *path);
    bool onlineWithAddress(const char *path, unsigned char *info);
    int mouseVersion(const char *path);
    bool receiverVersion(const char *path, unsigned short *version);
    bool dongleRgb(const char *path, unsigned char *rgb);
    bool setDongleRgb(const char *path, const unsigned char *rgb);
    bool longRange(const char *path, unsigned char *mode);
    bool setLongRange(const char *path, int on);
    bool setDongleIdToMouse(const char *path, const unsigned char *dongleId);
    bool openDevice(const char *path);

    // Controls of hidusb_sim.h.
    void load(const Scenario &scenario, const QString &watchedFile);
    QByteArray receiverPath(const QString &name) const;
    QByteArray cablePath(const QString &mouse) const;
    void plugReceiver(const QString &name, bool plugged);
    void setMousePower(const QString &mouse, bool on);
    void setMouseCable(const QString &mouse, bool cabled);
    void setBattery(const QString &mouse, int level, bool charging);
    void pressDpiButton(const QString &mouse);
    void setReportRate(const QString &mouse, int code);
    void requestReRead(const QString &mouse);
    void triggerReset(const QString &mouse);
    void reportReceiverLight(const QString &receiver);
    void dropLongRange(const QString &receiver);
    void setLatency(int milliseconds);
    void setIdsReadyAfter(int calls);
    void setPairingCandidate(const QString &mouse);
    void setPairingWindow(int milliseconds);
    void setPairingFault(HidUsbSim::PairingFault fault);
    void setBootMode(const QString &device, bool on);
    bool bootMode(const QString &device) const;
    QByteArray storedConfiguration(const QString &mouse, int index) const;
    int activeConfiguration(const QString &mouse) const;
    bool driverActive(const QString &mouse) const;
    bool batteryOptimize(const QString &mouse) const;
    QStringList callLog() const;
    void clearCallLog();

private:
    friend class SimServer;
    friend class SimUpgrade;

    // What a path reaches: a plugged receiver or a mouse on its cable, each
    // out of boot mode.
    struct Endpoint
    {
        SimReceiver *receiver = nullptr;
        SimMouse *cabledMouse = nullptr;
        explicit operator bool() const { return receiver || cabledMouse; }
    };

    SimBus();
    void applyScenario(const Scenario &scenario, const QString &watchedFile);
    void reloadScenarioIfChanged();

    Endpoint endpoint(const char *path);
    Endpoint endpointLocked(const QByteArray &path);
    SimMouse *reachableMouse(const Endpoint &endpoint);
    SimMouse *mouseNamed(const QString &name);
    const SimMouse *mouseNamed(const QString &name) const;
    SimReceiver *receiverNamed(const QString &name);
    const SimReceiver *receiverNamed(const QString &name) const;
    void notifyStatus(const QString &mouse, int flag);
    void startPairing(SimReceiver &receiver, int cid);
    void pairWithCandidate(SimReceiver &receiver);
    void reportPairing(const SimReceiver &receiver);
    void forgetOtherPairings(const SimMouse &paired);
    void applyStoredPairings();
    void postHotplug();
    void deliverHotplug(quint64 epoch);
    const char *intern(const QByteArray &text);
    QByteArray makePath(int pid, const QString &name) const;

    mutable std::mutex m_mutex;

    QList<SimReceiver> m_receivers;
    QList<SimMouse> m_mice;
    int m_vid = 0;
    int m_latencyMs = 0;
    int m_idsReadyAfter = 0;
    QString m_scenarioFile;
    QDateTime m_scenarioStamp;
    qint64 m_scenarioSize = -1;
    QString m_pairingCandidate;
    int m_pairingWindowMs = 0;
    HidUsbSim::PairingFault m_pairingFault = HidUsbSim::PairingFault::None;

    UsbChangeCallback m_watchCallback = nullptr;
    quint64 m_watchEpoch = 0;
    bool m_hotplugPending = false;

    SimServer m_server;
    SimUpgrade m_upgrade;

    QHash<QByteArray, const char *> m_interned;
    QHash<QByteArray, const char **> m_pathArrays;

    mutable std::mutex m_logMutex;
    QStringList m_log;
};
