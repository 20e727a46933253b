#pragma once

#include "HIDUsb.h"
#include "hidusb_sim.h"
#include "simscenario.h"
#include "simstore.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>

// The simulated bus behind HIDUsb.h: receivers and mice, the hot-plug
// watch, the device server with its event thread, and the controls of
// hidusb_sim.h. One instance for the process, never destroyed: its event
// thread may still be inside a callback when the program ends.
class SimBus
{
public:
    static SimBus &instance();

    enum class Request {
        ReadAll, ReadBattery, ReadConfig, ReadCurrentDpi, ReadDpiLed, ReadLedBar, ReadReportRate,
        ReadVersion, PairStatus, Notify
    };

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

    // The device server.
    int startServer(const char *path, UsbEventCallback callback);
    // False while the event thread may still be inside the stopped callback.
    bool exitServer();
    void request(Request request);
    void setDriverStatus(int active);
    void setBatteryOptimize(int enable);
    void setCurrentConfig(int index);
    void clearSetting();
    int writeRecord(const std::uint8_t *record);
    void enterPairing(int cid);

    // Firmware upgrade.
    int bootDevices() const;
    void startUpgrade(UpgradeCallback callback);

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
    void injectFault(HidUsbSim::Fault fault, int count);
    void setPairingCandidate(const QString &mouse);
    void setBootDevices(int count);
    QByteArray storedConfiguration(const QString &mouse, int index) const;
    int activeConfiguration(const QString &mouse) const;
    bool driverActive(const QString &mouse) const;
    bool batteryOptimize(const QString &mouse) const;
    QStringList callLog() const;
    void clearCallLog();
    bool isIdle() const;

private:
    struct Mouse
    {
        MouseSpec setup;
        SimStore::StoredMouse stored;
        QString storePath;
        QByteArray cablePath;
        int idReadsLeft = 0;
        bool driverActive = false;
        bool batteryOptimize = false;
    };
    struct Receiver
    {
        ReceiverSpec setup;
        QByteArray path;
        int idReadsLeft = 0;
        std::uint8_t light[HIDUSB_DONGLE_RGB_SIZE] = {};
        int pairStatus = 0;
    };
    struct Endpoint
    {
        Receiver *receiver = nullptr;
        Mouse *cabledMouse = nullptr;
        explicit operator bool() const { return receiver || cabledMouse; }
    };
    struct PendingEvent
    {
        quint64 generation;
        Request request;
        QByteArray header;
        QByteArray payload;
    };

    SimBus();
    void eventLoop();
    bool answer(const PendingEvent &pending, QByteArray *header, QByteArray *payload);
    void applyScenario(const Scenario &scenario, const QString &watchedFile);
    void reloadScenarioIfChanged();

    Endpoint endpoint(const char *path);
    Endpoint endpointLocked(const QByteArray &path);
    Mouse *reachableMouse(const Endpoint &endpoint);
    Mouse *sessionMouse();
    Mouse *mouseNamed(const QString &name);
    const Mouse *mouseNamed(const QString &name) const;
    Receiver *receiverNamed(const QString &name);
    QByteArray &activeDump(Mouse &mouse);
    void saveMouse(const Mouse &mouse);
    void notifyMouse(const Mouse &mouse, int event, const QByteArray &payload);
    void notifyStatus(const QString &mouse, int flag);
    void enqueue(Request request, const QByteArray &header = QByteArray(),
                 const QByteArray &payload = QByteArray());
    void postHotplug();
    void deliverHotplug(quint64 epoch);
    const char *intern(const QByteArray &text);
    QByteArray makePath(int pid, const QString &name) const;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;

    QList<Receiver> m_receivers;
    QList<Mouse> m_mice;
    int m_vid = 0;
    int m_latencyMs = 0;
    int m_idsReadyAfter = 0;
    QString m_scenarioFile;
    QDateTime m_scenarioStamp;
    qint64 m_scenarioSize = -1;

    UsbChangeCallback m_watchCallback = nullptr;
    quint64 m_watchEpoch = 0;
    bool m_hotplugPending = false;

    QByteArray m_sessionPath;
    UsbEventCallback m_sessionCallback = nullptr;
    quint64 m_sessionGeneration = 0;
    std::deque<PendingEvent> m_queue;
    bool m_answering = false;
    quint8 m_sequence = 0;

    int m_faults[4] = {};
    QString m_pairingCandidate;
    int m_bootDevices = 0;

    QHash<QByteArray, const char *> m_interned;
    QHash<QByteArray, const char **> m_pathArrays;

    mutable std::mutex m_logMutex;
    QStringList m_log;
};
