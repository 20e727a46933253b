#include "simbus.h"

#include "simrecord.h"
#include "simthread.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMetaObject>
#include <QtEndian>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace {

constexpr int HeaderSize = 8;
constexpr int LogLimit = 20000;

int parseId(const char *text)
{
    bool ok = false;
    const int value = QByteArray(text ? text : "").trimmed().toInt(&ok, 0);
    return ok ? value : -1;
}

void sleepFor(int milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace

SimBus &SimBus::instance()
{
    static SimBus *const bus = new SimBus;
    return *bus;
}

SimBus::SimBus()
{
    const QString file = qEnvironmentVariable("TALVO_HIDUSB_SCENARIO");
    bool loaded = false;
    if (!file.isEmpty()) {
        const Scenario scenario = Scenario::fromFile(file, &loaded);
        if (loaded)
            applyScenario(scenario, file);
        else
            qWarning("Cannot read the device scenario %s: using the default devices", qPrintable(file));
    }
    if (!loaded)
        applyScenario(Scenario::defaults(), QString());
    startLibraryThread([this] { eventLoop(); });
}

void SimBus::log(const QString &call)
{
    std::lock_guard<std::mutex> lock(m_logMutex);
    if (m_log.size() >= LogLimit)
        m_log.removeFirst();
    m_log.append(call);
}

// ---- hot-plug watch ---------------------------------------------------------

int SimBus::startWatch(UsbChangeCallback callback)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_watchCallback = callback;
    ++m_watchEpoch;
    m_hotplugPending = false;
    postHotplug();
    return 1;
}

void SimBus::stopWatch()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_watchCallback = nullptr;
    ++m_watchEpoch;
    m_hotplugPending = false;
}

// Hot-plug calls go to the GUI thread, never from inside the caller: the
// program rebuilds widgets in them. Changes that come faster than the GUI
// thread takes them are told in one call.
void SimBus::postHotplug()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || !m_watchCallback || m_hotplugPending)
        return;
    m_hotplugPending = true;
    const quint64 epoch = m_watchEpoch;
    QMetaObject::invokeMethod(app, [this, epoch] { deliverHotplug(epoch); }, Qt::QueuedConnection);
}

void SimBus::deliverHotplug(quint64 epoch)
{
    UsbChangeCallback callback = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (epoch != m_watchEpoch)
            return;
        m_hotplugPending = false;
        callback = m_watchCallback;
    }
    if (callback)
        callback();
}

// ---- finding devices --------------------------------------------------------

const char *SimBus::intern(const QByteArray &text)
{
    auto found = m_interned.constFind(text);
    if (found != m_interned.constEnd())
        return found.value();
    char *copy = new char[text.size() + 1];
    std::memcpy(copy, text.constData(), text.size() + 1);
    m_interned.insert(text, copy);
    return copy;
}

QByteArray SimBus::makePath(int pid, const QString &name) const
{
    return QStringLiteral("hid#vid_%1&pid_%2#%3")
        .arg(m_vid, 4, 16, QLatin1Char('0'))
        .arg(pid, 4, 16, QLatin1Char('0'))
        .arg(name.toLower())
        .toLatin1();
}

const char **SimBus::find(const char *vendorId, const char *productId, int *count, bool capAtCount)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const int vid = parseId(vendorId);
    const int pid = parseId(productId);
    QList<QByteArray> paths;
    if (vid == m_vid) {
        for (const Receiver &receiver : qAsConst(m_receivers)) {
            if (receiver.setup.plugged && receiver.setup.pid == pid)
                paths.append(receiver.path);
        }
        for (const Mouse &mouse : qAsConst(m_mice)) {
            if (mouse.setup.cabled && mouse.setup.cablePid == pid)
                paths.append(mouse.cablePath);
        }
    }
    if (capAtCount && count && *count >= 0 && paths.size() > *count)
        paths = paths.mid(0, *count);
    if (count)
        *count = paths.size();

    // Arrays are kept, like the paths, for the life of the process.
    QByteArray key;
    for (const QByteArray &path : qAsConst(paths))
        key += path + '\n';
    auto found = m_pathArrays.constFind(key);
    if (found != m_pathArrays.constEnd())
        return found.value();
    const char **array = new const char *[paths.size() + 1];
    for (int index = 0; index < paths.size(); ++index)
        array[index] = intern(paths.at(index));
    array[paths.size()] = nullptr;
    m_pathArrays.insert(key, array);
    return array;
}

SimBus::Endpoint SimBus::endpoint(const char *path)
{
    return endpointLocked(QByteArray(path ? path : ""));
}

SimBus::Endpoint SimBus::endpointLocked(const QByteArray &path)
{
    Endpoint found;
    if (path.isEmpty())
        return found;
    for (Receiver &receiver : m_receivers) {
        if (receiver.setup.plugged && receiver.path == path)
            found.receiver = &receiver;
    }
    for (Mouse &mouse : m_mice) {
        if (mouse.setup.cabled && mouse.cablePath == path)
            found.cabledMouse = &mouse;
    }
    return found;
}

// The mouse that answers through this endpoint: the cabled mouse itself,
// or the receiver's paired mouse while it is powered and not on its cable.
SimBus::Mouse *SimBus::reachableMouse(const Endpoint &endpoint)
{
    if (endpoint.cabledMouse)
        return endpoint.cabledMouse;
    if (!endpoint.receiver)
        return nullptr;
    Mouse *mouse = mouseNamed(endpoint.receiver->setup.mouse);
    if (!mouse || !mouse->setup.powered || mouse->setup.cabled
        || mouse->setup.receiverId != endpoint.receiver->setup.id)
        return nullptr;
    return mouse;
}

SimBus::Mouse *SimBus::sessionMouse()
{
    return m_sessionCallback ? reachableMouse(endpointLocked(m_sessionPath)) : nullptr;
}

int SimBus::attribute(const char *path, unsigned char *attribute)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Endpoint found = endpoint(path);
    if (!found || !attribute)
        return 0;
    const int pid = found.receiver ? found.receiver->setup.pid : found.cabledMouse->setup.cablePid;
    const int version = found.receiver ? found.receiver->setup.version : found.cabledMouse->setup.version;
    std::memset(attribute, 0, HIDUSB_ATTRIBUTE_SIZE);
    qToLittleEndian<quint16>(quint16(m_vid), attribute);
    qToLittleEndian<quint16>(quint16(pid), attribute + 2);
    qToLittleEndian<quint16>(quint16(version), attribute + 8);
    return 1;
}

HidDeviceIds SimBus::deviceIds(const char *path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    HidDeviceIds ids = {0, 0, 0};
    const Endpoint found = endpoint(path);
    int *readsLeft = found.receiver ? &found.receiver->idReadsLeft
                                    : found.cabledMouse ? &found.cabledMouse->idReadsLeft : nullptr;
    if (!readsLeft || m_idsReadyAfter < 0)
        return ids;
    if (*readsLeft > 0) {
        --*readsLeft;
        return ids;
    }
    if (found.receiver) {
        ids = {quint8(found.receiver->setup.cid), quint8(found.receiver->setup.mid),
               quint8(found.receiver->setup.kind)};
    } else {
        const MouseSpec &mouse = found.cabledMouse->setup;
        ids = {quint8(mouse.cid), quint8(mouse.mid), quint8(mouse.cableKind)};
    }
    return ids;
}

bool SimBus::isOnline(const char *path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return reachableMouse(endpoint(path)) != nullptr;
}

bool SimBus::onlineWithAddress(const char *path, unsigned char *info)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Endpoint found = endpoint(path);
    const bool online = reachableMouse(found) != nullptr;
    if (!info)
        return online;
    std::memset(info, 0, HIDUSB_ADDRESS_INFO_SIZE);
    info[6] = online ? 1 : 0;
    const QByteArray id = found.receiver ? found.receiver->setup.id
                          : found.cabledMouse ? found.cabledMouse->setup.receiverId : QByteArray();
    if (id.size() == 3)
        std::memcpy(info + 7, id.constData(), 3);
    return online;
}

int SimBus::mouseVersion(const char *path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Mouse *mouse = reachableMouse(endpoint(path));
    return mouse ? mouse->setup.version : 0;
}

bool SimBus::receiverVersion(const char *path, unsigned short *version)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Endpoint found = endpoint(path);
    if (!found.receiver || !version)
        return false;
    *version = quint16(found.receiver->setup.version);
    return true;
}

bool SimBus::dongleRgb(const char *path, unsigned char *rgb)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Endpoint found = endpoint(path);
    if (!found.receiver || !rgb)
        return false;
    std::memcpy(rgb, found.receiver->light, HIDUSB_DONGLE_RGB_SIZE);
    return true;
}

bool SimBus::setDongleRgb(const char *path, const unsigned char *rgb)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Endpoint found = endpoint(path);
    if (!found.receiver || !rgb)
        return false;
    std::memcpy(found.receiver->light, rgb, HIDUSB_DONGLE_RGB_SIZE);
    found.receiver->setup.lightMode = rgb[0];
    return true;
}

bool SimBus::longRange(const char *path, unsigned char *mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Endpoint found = endpoint(path);
    if (!found.receiver || !mode || found.receiver->setup.longRange < 0)
        return false;
    *mode = quint8(found.receiver->setup.longRange);
    return true;
}

bool SimBus::setLongRange(const char *path, int on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Endpoint found = endpoint(path);
    if (!found.receiver || found.receiver->setup.longRange < 0)
        return false;
    found.receiver->setup.longRange = on ? 1 : 0;
    return true;
}

bool SimBus::setDongleIdToMouse(const char *path, const unsigned char *dongleId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Endpoint found = endpoint(path);
    if (!found.cabledMouse || !dongleId)
        return false;
    found.cabledMouse->setup.receiverId = QByteArray(reinterpret_cast<const char *>(dongleId), 3);
    for (Receiver &receiver : m_receivers) {
        if (receiver.setup.id == found.cabledMouse->setup.receiverId)
            receiver.setup.mouse = found.cabledMouse->setup.name;
    }
    postHotplug();
    return true;
}

bool SimBus::openDevice(const char *path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return bool(endpoint(path));
}

// ---- the device server ------------------------------------------------------

int SimBus::startServer(const char *path, UsbEventCallback callback)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // A new start drops whatever the previous one still had to tell.
    ++m_sessionGeneration;
    m_queue.clear();
    m_sessionPath = QByteArray(path ? path : "");
    m_sessionCallback = callback;
    return bool(endpointLocked(m_sessionPath)) ? 1 : 0;
}

// Returns at once: the event thread may be inside a callback that waits
// for the very thread calling this. Whether it still is, the answer tells.
bool SimBus::exitServer()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_sessionGeneration;
    m_queue.clear();
    m_sessionCallback = nullptr;
    m_sessionPath.clear();
    return !m_answering;
}

void SimBus::enqueue(Request request, const QByteArray &header, const QByteArray &payload)
{
    if (!m_sessionCallback)
        return;
    m_queue.push_back({m_sessionGeneration, request, header, payload});
    m_wake.notify_one();
}

void SimBus::request(Request request)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    enqueue(request);
}

void SimBus::setDriverStatus(int active)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (Mouse *mouse = sessionMouse())
        mouse->driverActive = active != 0;
}

void SimBus::setBatteryOptimize(int enable)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (Mouse *mouse = sessionMouse())
        mouse->batteryOptimize = enable != 0;
}

QByteArray &SimBus::activeDump(Mouse &mouse)
{
    return mouse.stored.configs[mouse.stored.activeConfig];
}

void SimBus::saveMouse(const Mouse &mouse)
{
    SimStore::save(mouse.storePath, mouse.stored);
}

void SimBus::notifyMouse(const Mouse &mouse, int event, const QByteArray &payload)
{
    Mouse *session = sessionMouse();
    if (session != &mouse)
        return;
    QByteArray header(HeaderSize, '\0');
    header[HIDUSB_HEADER_EVENT] = char(event);
    enqueue(Request::Notify, header, payload);
}

// The device asks the program to re-read after switching configurations.
void SimBus::setCurrentConfig(int index)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Mouse *mouse = sessionMouse();
    if (!mouse || index < 0 || index >= SimStore::ConfigCount)
        return;
    mouse->stored.activeConfig = index;
    saveMouse(*mouse);
    QByteArray flags(HIDUSB_STATUS_FLAGS_SIZE, '\0');
    flags[2] = 1;
    notifyMouse(*mouse, HIDUSB_EVENT_STATUS_CHANGED, flags);
}

// The active configuration goes back to the model's defaults and the device
// announces a reset.
void SimBus::clearSetting()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Mouse *mouse = sessionMouse();
    if (!mouse)
        return;
    activeDump(*mouse) = SimRecord::defaultDump(mouse->setup.mid, mouse->stored.activeConfig);
    saveMouse(*mouse);
    notifyMouse(*mouse, HIDUSB_EVENT_RESET, QByteArray());
}

int SimBus::writeRecord(const std::uint8_t *record)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Mouse *mouse = sessionMouse();
    if (!mouse || !record)
        return 0;
    activeDump(*mouse) = SimRecord::dumpFromRecord(record, mouse->stored.activeConfig);
    saveMouse(*mouse);
    return 1;
}

void SimBus::enterPairing(int cid)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Endpoint found = endpointLocked(m_sessionPath);
    if (!m_sessionCallback || !found.receiver)
        return;
    Receiver &receiver = *found.receiver;
    QByteArray header(HeaderSize, '\0');
    header[HIDUSB_HEADER_EVENT] = char(HIDUSB_EVENT_PAIRING);
    receiver.pairStatus = 1;
    enqueue(Request::Notify, header, QByteArray(1, char(1)));

    Mouse *candidate = mouseNamed(m_pairingCandidate);
    if (candidate && candidate->setup.powered && !candidate->setup.cabled && candidate->setup.cid == cid) {
        receiver.setup.mouse = candidate->setup.name;
        candidate->setup.receiverId = receiver.setup.id;
        receiver.pairStatus = 3;
        m_pairingCandidate.clear();
        postHotplug();
    } else {
        receiver.pairStatus = 2;
    }
    enqueue(Request::Notify, header, QByteArray(1, char(receiver.pairStatus)));
}

void SimBus::eventLoop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait_for(lock, std::chrono::milliseconds(300), [this] { return !m_queue.empty(); });
        if (m_queue.empty()) {
            reloadScenarioIfChanged();
            continue;
        }
        const PendingEvent pending = m_queue.front();
        m_queue.pop_front();
        m_answering = true;
        const int latency = m_latencyMs;
        lock.unlock();
        sleepFor(latency);
        lock.lock();

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

bool SimBus::answer(const PendingEvent &pending, QByteArray *header, QByteArray *payload)
{
    const Endpoint found = endpointLocked(m_sessionPath);
    Mouse *mouse = reachableMouse(found);
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
        postHotplug();
        return false;
    }

    *header = pending.header.isEmpty() ? QByteArray(HeaderSize, '\0') : pending.header;
    const auto reply = [header](int event, int subCommand) {
        (*header)[HIDUSB_HEADER_EVENT] = char(event);
        (*header)[HIDUSB_HEADER_SUBCOMMAND] = char(subCommand);
    };
    QByteArray dump = mouse ? activeDump(*mouse) : QByteArray();
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
    case Request::PairStatus:
        reply(HIDUSB_EVENT_PAIRING, 0);
        *payload = QByteArray(1, char(found.receiver->pairStatus));
        break;
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

// ---- firmware upgrade -------------------------------------------------------

int SimBus::bootDevices() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bootDevices;
}

void SimBus::startUpgrade(UpgradeCallback callback)
{
    if (!callback)
        return;
    startLibraryThread([this, callback] {
        unsigned char report[3] = {7, 1, 0};
        for (int percent = 0; percent <= 100; percent += 20) {
            sleepFor(20);
            report[2] = static_cast<unsigned char>(percent);
            callback(report);
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bootDevices = 0;
            postHotplug();
        }
        const unsigned char result[3] = {7, 2, 1};
        callback(result);
    });
}

// ---- scenario and controls ------------------------------------------------

void SimBus::load(const Scenario &scenario, const QString &watchedFile)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    applyScenario(scenario, watchedFile);
}

// Called with the lock held, or before the event thread exists.
void SimBus::applyScenario(const Scenario &scenario, const QString &watchedFile)
{
    QList<Receiver> receivers;
    QList<Mouse> mice;
    m_vid = scenario.vid;
    m_latencyMs = scenario.latencyMs;
    m_idsReadyAfter = scenario.idsReadyAfter;
    for (const ReceiverSpec &setup : scenario.receivers) {
        Receiver receiver;
        receiver.setup = setup;
        receiver.path = makePath(setup.pid, setup.name);
        receiver.light[0] = quint8(setup.lightMode);
        receiver.idReadsLeft = qMax(0, scenario.idsReadyAfter);
        for (const Receiver &old : qAsConst(m_receivers)) {
            if (old.setup.name == setup.name && old.setup.plugged && setup.plugged)
                receiver.idReadsLeft = old.idReadsLeft;
        }
        receivers.append(receiver);
    }
    for (const MouseSpec &setup : scenario.mice) {
        Mouse mouse;
        mouse.setup = setup;
        mouse.cablePath = makePath(setup.cablePid, setup.name);
        mouse.storePath = SimStore::filePath(setup.name, setup.cid, setup.mid);
        mouse.idReadsLeft = qMax(0, scenario.idsReadyAfter);
        if (!SimStore::load(mouse.storePath, &mouse.stored)) {
            for (int index = 0; index < SimStore::ConfigCount; ++index)
                mouse.stored.configs[index] = SimRecord::defaultDump(setup.mid, index);
        }
        for (const Mouse &old : qAsConst(m_mice)) {
            if (old.setup.name != setup.name)
                continue;
            if (old.setup.cabled && setup.cabled)
                mouse.idReadsLeft = old.idReadsLeft;
            mouse.driverActive = old.driverActive;
            mouse.batteryOptimize = old.batteryOptimize;
        }
        mice.append(mouse);
    }

    const Mouse *before = sessionMouse();
    const QString sessionName = before ? before->setup.name : QString();
    const int batteryBefore = before ? before->setup.battery : -1;
    m_receivers = receivers;
    m_mice = mice;
    m_scenarioFile = watchedFile;
    std::fill(std::begin(m_faults), std::end(m_faults), 0);
    if (!watchedFile.isEmpty()) {
        const QFileInfo info(watchedFile);
        m_scenarioStamp = info.lastModified();
        m_scenarioSize = info.size();
    }
    const Mouse *after = sessionMouse();
    if (after && after->setup.name == sessionName && after->setup.battery != batteryBefore) {
        QByteArray flags(HIDUSB_STATUS_FLAGS_SIZE, '\0');
        flags[6] = 1;
        notifyMouse(*after, HIDUSB_EVENT_STATUS_CHANGED, flags);
    }
    postHotplug();
}

void SimBus::reloadScenarioIfChanged()
{
    if (m_scenarioFile.isEmpty())
        return;
    const QFileInfo info(m_scenarioFile);
    if (!info.exists() || (info.lastModified() == m_scenarioStamp && info.size() == m_scenarioSize))
        return;
    bool ok = false;
    const Scenario scenario = Scenario::fromFile(m_scenarioFile, &ok);
    if (ok)
        applyScenario(scenario, m_scenarioFile);
}

SimBus::Mouse *SimBus::mouseNamed(const QString &name)
{
    for (Mouse &mouse : m_mice) {
        if (mouse.setup.name == name)
            return &mouse;
    }
    return nullptr;
}

const SimBus::Mouse *SimBus::mouseNamed(const QString &name) const
{
    return const_cast<SimBus *>(this)->mouseNamed(name);
}

SimBus::Receiver *SimBus::receiverNamed(const QString &name)
{
    for (Receiver &receiver : m_receivers) {
        if (receiver.setup.name == name)
            return &receiver;
    }
    return nullptr;
}

QByteArray SimBus::receiverPath(const QString &name) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const Receiver &receiver : m_receivers) {
        if (receiver.setup.name == name)
            return receiver.path;
    }
    return QByteArray();
}

QByteArray SimBus::cablePath(const QString &mouse) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Mouse *found = mouseNamed(mouse);
    return found ? found->cablePath : QByteArray();
}

void SimBus::plugReceiver(const QString &name, bool plugged)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Receiver *receiver = receiverNamed(name);
    if (!receiver || receiver->setup.plugged == plugged)
        return;
    receiver->setup.plugged = plugged;
    receiver->idReadsLeft = qMax(0, m_idsReadyAfter);
    postHotplug();
}

void SimBus::setMousePower(const QString &name, bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Mouse *mouse = mouseNamed(name);
    if (!mouse || mouse->setup.powered == on)
        return;
    mouse->setup.powered = on;
    postHotplug();
}

void SimBus::setMouseCable(const QString &name, bool cabled)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Mouse *mouse = mouseNamed(name);
    if (!mouse || mouse->setup.cabled == cabled)
        return;
    mouse->setup.cabled = cabled;
    mouse->idReadsLeft = qMax(0, m_idsReadyAfter);
    postHotplug();
}

void SimBus::notifyStatus(const QString &name, int flag)
{
    const Mouse *mouse = mouseNamed(name);
    if (!mouse)
        return;
    QByteArray flags(HIDUSB_STATUS_FLAGS_SIZE, '\0');
    flags[flag] = 1;
    notifyMouse(*mouse, HIDUSB_EVENT_STATUS_CHANGED, flags);
}

void SimBus::setBattery(const QString &name, int level, bool charging)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Mouse *mouse = mouseNamed(name);
    if (!mouse)
        return;
    mouse->setup.battery = qBound(0, level, 100);
    mouse->setup.charging = charging;
    notifyStatus(name, 6);
}

void SimBus::pressDpiButton(const QString &name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Mouse *mouse = mouseNamed(name);
    if (!mouse)
        return;
    QByteArray &dump = activeDump(*mouse);
    const int count = qBound(1, int(SimRecord::dumpByte(dump, SimRecord::DpiLevelCount)), 8);
    const int level = (SimRecord::dumpByte(dump, SimRecord::CurrentDpiLevel) + 1) % count;
    SimRecord::setDumpByte(dump, SimRecord::CurrentDpiLevel, quint8(level));
    saveMouse(*mouse);
    notifyStatus(name, 0);
}

void SimBus::setReportRate(const QString &name, int code)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Mouse *mouse = mouseNamed(name);
    if (!mouse)
        return;
    SimRecord::setDumpByte(activeDump(*mouse), SimRecord::ReportRate, quint8(code));
    saveMouse(*mouse);
    notifyStatus(name, 1);
}

void SimBus::requestReRead(const QString &name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    notifyStatus(name, 2);
}

void SimBus::triggerReset(const QString &name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Mouse *mouse = mouseNamed(name);
    if (!mouse)
        return;
    activeDump(*mouse) = SimRecord::defaultDump(mouse->setup.mid, mouse->stored.activeConfig);
    saveMouse(*mouse);
    notifyMouse(*mouse, HIDUSB_EVENT_RESET, QByteArray());
}

void SimBus::reportReceiverLight(const QString &name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Receiver *receiver = receiverNamed(name);
    if (!receiver || endpointLocked(m_sessionPath).receiver != receiver)
        return;
    QByteArray header(HeaderSize, '\0');
    header[HIDUSB_HEADER_EVENT] = char(HIDUSB_EVENT_RECEIVER_LIGHT);
    enqueue(Request::Notify, header, QByteArray(reinterpret_cast<const char *>(receiver->light),
                                                HIDUSB_DONGLE_RGB_SIZE));
}

void SimBus::dropLongRange(const QString &name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Receiver *receiver = receiverNamed(name);
    if (!receiver || endpointLocked(m_sessionPath).receiver != receiver)
        return;
    if (receiver->setup.longRange > 0)
        receiver->setup.longRange = 0;
    QByteArray header(HeaderSize, '\0');
    header[HIDUSB_HEADER_EVENT] = char(HIDUSB_EVENT_LONG_RANGE);
    enqueue(Request::Notify, header, QByteArray(10, '\0'));
}

void SimBus::setLatency(int milliseconds)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_latencyMs = qMax(0, milliseconds);
}

void SimBus::setIdsReadyAfter(int calls)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_idsReadyAfter = calls;
    for (Receiver &receiver : m_receivers)
        receiver.idReadsLeft = qMax(0, calls);
    for (Mouse &mouse : m_mice)
        mouse.idReadsLeft = qMax(0, calls);
}

void SimBus::injectFault(HidUsbSim::Fault fault, int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults[int(fault)] += qMax(0, count);
}

void SimBus::setPairingCandidate(const QString &mouse)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pairingCandidate = mouse;
}

void SimBus::setBootDevices(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bootDevices = qMax(0, count);
}

QByteArray SimBus::storedConfiguration(const QString &name, int index) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Mouse *mouse = mouseNamed(name);
    if (!mouse || index < 0 || index >= SimStore::ConfigCount)
        return QByteArray();
    QByteArray record(SimRecord::RecordSize, '\0');
    SimRecord::recordFromDump(reinterpret_cast<const std::uint8_t *>(mouse->stored.configs[index].constData()),
                              reinterpret_cast<std::uint8_t *>(record.data()));
    return record;
}

int SimBus::activeConfiguration(const QString &name) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Mouse *mouse = mouseNamed(name);
    return mouse ? mouse->stored.activeConfig : -1;
}

bool SimBus::driverActive(const QString &name) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Mouse *mouse = mouseNamed(name);
    return mouse && mouse->driverActive;
}

bool SimBus::batteryOptimize(const QString &name) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Mouse *mouse = mouseNamed(name);
    return mouse && mouse->batteryOptimize;
}

QStringList SimBus::callLog() const
{
    std::lock_guard<std::mutex> lock(m_logMutex);
    return m_log;
}

void SimBus::clearCallLog()
{
    std::lock_guard<std::mutex> lock(m_logMutex);
    m_log.clear();
}

bool SimBus::isIdle() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_queue.empty() && !m_answering;
}
