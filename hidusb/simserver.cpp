#include "simserver.h"

#include "simbus.h"
#include "simmouse.h"
#include "simrecord.h"
#include "simreceiver.h"

#include <QtEndian>

#include <algorithm>
#include <chrono>
#include <mutex>

namespace {

constexpr int HeaderSize = 8;

QByteArray eventHeader(int event)
{
    QByteArray header(HeaderSize, '\0');
    header[HIDUSB_HEADER_EVENT] = char(event);
    return header;
}

} // namespace

SimServer::SimServer(SimBus &bus)
    : m_bus(bus)
{
}

int SimServer::start(const char *path, UsbEventCallback callback)
{
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    // A new start drops whatever the previous one still had to tell.
    ++m_sessionGeneration;
    m_queue.clear();
    m_wake.notify_all();
    m_sessionPath = QByteArray(path ? path : "");
    m_sessionCallback = callback;
    return bool(m_bus.endpointLocked(m_sessionPath)) ? 1 : 0;
}

// Returns at once: the event thread may be inside a callback that waits
// for the very thread calling this. Whether it still is, the answer tells.
bool SimServer::exit()
{
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    ++m_sessionGeneration;
    m_queue.clear();
    m_wake.notify_all();
    m_sessionCallback = nullptr;
    m_sessionPath.clear();
    return !m_answering;
}

void SimServer::enqueue(Request request, const QByteArray &header, const QByteArray &payload)
{
    if (!m_sessionCallback)
        return;
    m_queue.push_back({m_sessionGeneration, request, header, payload});
    m_wake.notify_one();
}

void SimServer::request(Request request)
{
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    enqueue(request);
}

SimMouse *SimServer::sessionMouse()
{
    return m_sessionCallback ? m_bus.reachableMouse(m_bus.endpointLocked(m_sessionPath)) : nullptr;
}

bool SimServer::isSessionReceiver(const SimReceiver *receiver)
{
    return receiver && m_bus.endpointLocked(m_sessionPath).receiver == receiver;
}

void SimServer::setDriverStatus(int active)
{
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    if (SimMouse *mouse = sessionMouse())
        mouse->driverActive = active != 0;
}

void SimServer::setBatteryOptimize(int enable)
{
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    if (SimMouse *mouse = sessionMouse())
        mouse->batteryOptimize = enable != 0;
}

void SimServer::notifyMouse(const SimMouse &mouse, int event, const QByteArray &payload)
{
    if (sessionMouse() != &mouse)
        return;
    enqueue(Request::Notify, eventHeader(event), payload);
}

void SimServer::notifySession(int event, const QByteArray &payload)
{
    enqueue(Request::Notify, eventHeader(event), payload);
}

// The device asks the program to re-read after switching configurations.
void SimServer::setCurrentConfig(int index)
{
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    SimMouse *mouse = sessionMouse();
    if (!mouse || !mouse->switchConfiguration(index))
        return;
    QByteArray flags(HIDUSB_STATUS_FLAGS_SIZE, '\0');
    flags[2] = 1;
    notifyMouse(*mouse, HIDUSB_EVENT_STATUS_CHANGED, flags);
}

// The active configuration goes back to the model's defaults and the device
// announces a reset.
void SimServer::clearSetting()
{
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    SimMouse *mouse = sessionMouse();
    if (!mouse)
        return;
    mouse->restoreDefaults();
    notifyMouse(*mouse, HIDUSB_EVENT_RESET, QByteArray());
}

int SimServer::writeRecord(const std::uint8_t *record)
{
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    SimMouse *mouse = sessionMouse();
    if (!mouse || !record)
        return 0;
    mouse->writeRecord(record);
    return 1;
}

void SimServer::enterPairing(int cid)
{
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    const SimBus::Endpoint found = m_bus.endpointLocked(m_sessionPath);
    if (m_sessionCallback && found.receiver)
        m_bus.startPairing(*found.receiver, cid);
}

void SimServer::injectFault(HidUsbSim::Fault fault, int count)
{
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    m_faults[int(fault)] += qMax(0, count);
}

void SimServer::clearFaults()
{
    std::fill(std::begin(m_faults), std::end(m_faults), 0);
}

bool SimServer::isIdle() const
{
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    return m_queue.empty() && !m_answering;
}

void SimServer::eventLoop()
{
    std::unique_lock<std::mutex> lock(m_bus.m_mutex);
    for (;;) {
        m_wake.wait_for(lock, std::chrono::milliseconds(300), [this] { return !m_queue.empty(); });
        if (m_queue.empty()) {
            m_bus.reloadScenarioIfChanged();
            continue;
        }
        const PendingEvent pending = m_queue.front();
        m_queue.pop_front();
        m_answering = true;
        // An exit or a new start ends the wait: a stopped session hears nothing more.
        m_wake.wait_for(lock, std::chrono::milliseconds(m_bus.m_latencyMs),
                        [this, &pending] { return pending.generation != m_sessionGeneration; });

        QByteArray header;
        QByteArray payload;
        UsbEventCallback callback = nullptr;
        if (pending.generation == m_sessionGeneration && m_sessionCallback
            && answer(pending, &header, &payload))
            callback = m_sessionCallback;
        if (callback) {
            // No lock while the program runs: it calls back into the library.
            lock.unlock();
            callback(reinterpret_cast<const unsigned char *>(header.constData()), header.size(),
                     reinterpret_cast<const unsigned char *>(payload.constData()), payload.size());
            lock.lock();
        }
        m_answering = false;
    }
}

bool SimServer::answer(const PendingEvent &pending, QByteArray *header, QByteArray *payload)
{
    const SimBus::Endpoint found = m_bus.endpointLocked(m_sessionPath);
    SimMouse *mouse = m_bus.reachableMouse(found);
    const bool pairing = pending.request == Request::PairStatus
                         || (pending.request == Request::Notify
                             && pending.header.at(HIDUSB_HEADER_EVENT) == HIDUSB_EVENT_PAIRING);
    if (pairing ? !found.receiver : !mouse)
        return false; // answers come only while the device is there

    auto &noAnswer = m_faults[int(HidUsbSim::Fault::NoAnswer)];
    if (noAnswer > 0) {
        --noAnswer;
        return false;
    }
    auto &unplug = m_faults[int(HidUsbSim::Fault::UnplugDuringRead)];
    if (unplug > 0 && pending.request == Request::ReadAll) {
        --unplug;
        if (found.receiver)
            found.receiver->setup.plugged = false;
        else
            found.cabledMouse->setup.cabled = false;
        m_bus.postHotplug();
        return false;
    }

    *header = pending.header.isEmpty() ? QByteArray(HeaderSize, '\0') : pending.header;
    const auto reply = [header](int event, int subCommand) {
        (*header)[HIDUSB_HEADER_EVENT] = char(event);
        (*header)[HIDUSB_HEADER_SUBCOMMAND] = char(subCommand);
    };
    QByteArray dump = mouse ? mouse->activeDump() : QByteArray();
    switch (pending.request) {
    case Request::ReadAll:
        reply(HIDUSB_EVENT_READ_REPLY, HIDUSB_READ_ALL_OR_RATE);
        *payload = dump;
        break;
    case Request::ReadReportRate:
        reply(HIDUSB_EVENT_READ_REPLY, HIDUSB_READ_ALL_OR_RATE);
        *payload = QByteArray(1, char(SimRecord::dumpByte(dump, SimRecord::ReportRate)));
        break;
    case Request::ReadCurrentDpi:
        reply(HIDUSB_EVENT_READ_REPLY, HIDUSB_READ_CURRENT_DPI);
        *payload = QByteArray(1, char(SimRecord::dumpByte(dump, SimRecord::CurrentDpiLevel)));
        break;
    case Request::ReadDpiLed:
        reply(HIDUSB_EVENT_READ_REPLY, HIDUSB_READ_DPI_LED);
        *payload = QByteArray(8, '\0');
        for (int index = 0; index < 4; ++index)
            (*payload)[index] = char(SimRecord::dumpByte(dump, SimRecord::DpiLed + index));
        break;
    case Request::ReadLedBar:
        reply(HIDUSB_EVENT_READ_REPLY, HIDUSB_READ_LED_BAR);
        *payload = QByteArray(9, '\0');
        for (int index = 0; index < 7; ++index)
            (*payload)[index] = char(SimRecord::dumpByte(dump, SimRecord::LedBar + index));
        break;
    case Request::ReadBattery:
        reply(HIDUSB_EVENT_BATTERY, 0);
        *payload = QByteArray(HIDUSB_BATTERY_PAYLOAD_SIZE, '\0');
        (*payload)[0] = char(mouse->setup.battery);
        (*payload)[1] = char(mouse->setup.charging ? 1 : 0);
        break;
    case Request::ReadConfig:
        reply(HIDUSB_EVENT_CONFIG, 0);
        *payload = QByteArray(1, char(mouse->stored.activeConfig));
        break;
    case Request::ReadVersion:
        reply(HIDUSB_EVENT_VERSION, 0);
        *payload = QByteArray(2, '\0');
        qToLittleEndian<quint16>(quint16(mouse->setup.version), payload->data());
        break;
    case Request::PairStatus: {
        const int status = found.receiver->readPairStatus();
        if (status < 0)
            return false;
        reply(HIDUSB_EVENT_PAIRING, 0);
        *payload = QByteArray(1, char(status));
        break;
    }
    case Request::Notify:
        *payload = pending.payload;
        break;
    }
    (*header)[2] = char(m_sequence++);

    auto &status = m_faults[int(HidUsbSim::Fault::NonZeroStatus)];
    if (status > 0) {
        --status;
        (*header)[HIDUSB_HEADER_STATUS] = 1;
    }
    auto &length = m_faults[int(HidUsbSim::Fault::WrongLength)];
    if (length > 0) {
        --length;
        if (payload->isEmpty())
            payload->append('\0');
        else
            payload->chop(1);
    }
    return true;
}
