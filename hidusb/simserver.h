#pragma once

#include "HIDUsb.h"
#include "hidusb_sim.h"

#include <QByteArray>

#include <condition_variable>
#include <cstdint>
#include <deque>

class SimBus;
class SimMouse;
class SimReceiver;

// The device server: one session at a time, bound to a path and an event
// callback. Requests are queued and answered in order on the library's one
// event thread, after the bus's latency, and only while the device is
// there. It shares the bus's lock; the functions marked so expect the
// caller to hold it.
class SimServer
{
public:
    enum class Request {
        ReadAll, ReadBattery, ReadConfig, ReadCurrentDpi, ReadDpiLed, ReadLedBar, ReadReportRate,
        ReadVersion, PairStatus, Notify
    };

    explicit SimServer(SimBus &bus);

    // The event thread's body; it never returns.
    void eventLoop();

    int start(const char *path, UsbEventCallback callback);
    // False while the event thread may still be inside the stopped callback.
    bool exit();
    void request(Request request);
    void setDriverStatus(int active);
    void setBatteryOptimize(int enable);
    void setCurrentConfig(int index);
    void clearSetting();
    int writeRecord(const std::uint8_t *record);
    void enterPairing(int cid);
    void injectFault(HidUsbSim::Fault fault, int count);
    bool isIdle() const;

    // With the bus's lock held.
    SimMouse *sessionMouse();
    bool isSessionReceiver(const SimReceiver *receiver);
    void notifyMouse(const SimMouse &mouse, int event, const QByteArray &payload);
    void notifySession(int event, const QByteArray &payload);
    void clearFaults();

private:
    struct PendingEvent
    {
        quint64 generation;
        Request request;
        QByteArray header;
        QByteArray payload;
    };

    bool answer(const PendingEvent &pending, QByteArray *header, QByteArray *payload);
    void enqueue(Request request, const QByteArray &header = QByteArray(),
                 const QByteArray &payload = QByteArray());

    SimBus &m_bus;
    std::condition_variable m_wake;
    QByteArray m_sessionPath;
    UsbEventCallback m_sessionCallback = nullptr;
    quint64 m_sessionGeneration = 0;
    std::deque<PendingEvent> m_queue;
    bool m_answering = false;
    quint8 m_sequence = 0;
    int m_faults[4] = {};
};
