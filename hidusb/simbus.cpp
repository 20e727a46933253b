#include "simbus.h"

#include "simthread.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMetaObject>
#include <QtEndian>

#include <cstring>
#include <utility>

namespace {

constexpr int LogLimit = 20000;

int parseId(const char *text)
{
    bool ok = false;
    const int value = QByteArray(text ? text : "").trimmed().toInt(&ok, 0);
    return ok ? value : -1;
}

} // namespace

SimBus &SimBus::instance()
{
    static SimBus *const bus = new SimBus;
    return *bus;
}

SimBus::SimBus()
    : m_server(*this)
    , m_upgrade(*this)
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
    startLibraryThread([this] { m_server.eventLoop(); });
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
    // Qt hands the posted call over inside its own code, where a thread
    // sanitizer cannot see it; the bus lock, held here, is taken where the
    // call runs before it reads what it carries.
    QMetaObject::invokeMethod(app, [epoch] {
        SimBus &bus = instance();
        { const std::lock_guard<std::mutex> posted(bus.m_mutex); }
        bus.deliverHotplug(epoch);
    }, Qt::QueuedConnection);
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
        for (const SimReceiver &receiver : qAsConst(m_receivers)) {
            if (receiver.setup.plugged && !receiver.bootMode() && receiver.setup.pid == pid)
                paths.append(receiver.path);
        }
        for (const SimMouse &mouse : qAsConst(m_mice)) {
            if (mouse.setup.cabled && !mouse.bootMode() && mouse.setup.cablePid == pid)
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
    for (SimReceiver &receiver : m_receivers) {
        if (receiver.setup.plugged && !receiver.bootMode() && receiver.path == path)
            found.receiver = &receiver;
    }
    for (SimMouse &mouse : m_mice) {
        if (mouse.setup.cabled && !mouse.bootMode() && mouse.cablePath == path)
            found.cabledMouse = &mouse;
    }
    return found;
}

// The mouse that answers through this endpoint: the cabled mouse itself,
// or the receiver's paired mouse while it is powered, not on its cable and
// not in boot mode.
SimMouse *SimBus::reachableMouse(const Endpoint &endpoint)
{
    if (endpoint.cabledMouse)
        return endpoint.cabledMouse;
    if (!endpoint.receiver)
        return nullptr;
    SimMouse *mouse = mouseNamed(endpoint.receiver->setup.mouse);
    if (!mouse || !mouse->setup.powered || mouse->setup.cabled || mouse->bootMode()
        || mouse->setup.receiverId != endpoint.receiver->setup.id)
        return nullptr;
    return mouse;
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
        const MouseSetup &mouse = found.cabledMouse->setup;
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
    const SimMouse *mouse = reachableMouse(endpoint(path));
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
    found.receiver->readLight(rgb);
    return true;
}

bool SimBus::setDongleRgb(const char *path, const unsigned char *rgb)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Endpoint found = endpoint(path);
    if (!found.receiver || !rgb)
        return false;
    found.receiver->setLight(rgb);
    return true;
}

bool SimBus::longRange(const char *path, unsigned char *mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Endpoint found = endpoint(path);
    return found.receiver && mode && found.receiver->readLongRange(mode);
}

bool SimBus::setLongRange(const char *path, int on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Endpoint found = endpoint(path);
    return found.receiver && found.receiver->setLongRange(on);
}

bool SimBus::setDongleIdToMouse(const char *path, const unsigned char *dongleId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Endpoint found = endpoint(path);
    if (!found.cabledMouse || !dongleId)
        return false;
    found.cabledMouse->pairWith(QByteArray(reinterpret_cast<const char *>(dongleId), 3));
    forgetOtherPairings(*found.cabledMouse);
    for (SimReceiver &receiver : m_receivers) {
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

// ---- scenario and controls ------------------------------------------------

void SimBus::load(const Scenario &scenario, const QString &watchedFile)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    applyScenario(scenario, watchedFile);
}

// Called with the lock held, or before the event thread exists.
void SimBus::applyScenario(const Scenario &scenario, const QString &watchedFile)
{
    QList<SimReceiver> receivers;
    QList<SimMouse> mice;
    m_pairingCandidate.clear();
    m_pairingFault = HidUsbSim::PairingFault::None;
    m_vid = scenario.vid;
    m_latencyMs = scenario.latencyMs;
    m_idsReadyAfter = scenario.idsReadyAfter;
    for (const ReceiverSetup &setup : scenario.receivers) {
        SimReceiver receiver =
            SimReceiver::fromSetup(setup, makePath(setup.pid, setup.name), qMax(0, scenario.idsReadyAfter));
        for (const SimReceiver &old : qAsConst(m_receivers)) {
            if (old.setup.name == setup.name && old.setup.plugged && setup.plugged)
                receiver.idReadsLeft = old.idReadsLeft;
        }
        receivers.append(receiver);
    }
    for (const MouseSetup &setup : scenario.mice) {
        SimMouse mouse =
            SimMouse::fromSetup(setup, makePath(setup.cablePid, setup.name), qMax(0, scenario.idsReadyAfter));
        for (const SimMouse &old : qAsConst(m_mice)) {
            if (old.setup.name != setup.name)
                continue;
            if (old.setup.cabled && setup.cabled)
                mouse.idReadsLeft = old.idReadsLeft;
            mouse.driverActive = old.driverActive;
            mouse.batteryOptimize = old.batteryOptimize;
        }
        mice.append(mouse);
        if (setup.waitsForPairing)
            m_pairingCandidate = setup.name;
    }

    const SimMouse *before = m_server.sessionMouse();
    const QString sessionName = before ? before->setup.name : QString();
    const int batteryBefore = before ? before->setup.battery : -1;
    m_receivers = receivers;
    m_mice = mice;
    applyStoredPairings();
    m_pairingWindowMs = scenario.pairingWindowMs;
    m_scenarioFile = watchedFile;
    m_server.clearFaults();
    if (!watchedFile.isEmpty()) {
        const QFileInfo info(watchedFile);
        m_scenarioStamp = info.lastModified();
        m_scenarioSize = info.size();
    }
    const SimMouse *after = m_server.sessionMouse();
    if (after && after->setup.name == sessionName && after->setup.battery != batteryBefore) {
        QByteArray flags(HIDUSB_STATUS_FLAGS_SIZE, '\0');
        flags[6] = 1;
        m_server.notifyMouse(*after, HIDUSB_EVENT_STATUS_CHANGED, flags);
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
    if (ok) {
        applyScenario(scenario, m_scenarioFile);
        return;
    }
    // Said once, not at every look until the file changes again.
    m_scenarioStamp = info.lastModified();
    m_scenarioSize = info.size();
    qWarning("Cannot read the device scenario %s: the devices stay as they were", qPrintable(m_scenarioFile));
}

// A mouse paired in an earlier run is reached through the receiver it
// holds the id of, whatever the scenario pairs.
void SimBus::applyStoredPairings()
{
    for (const SimMouse &mouse : qAsConst(m_mice)) {
        if (mouse.stored.receiverId.isEmpty())
            continue;
        for (SimReceiver &receiver : m_receivers) {
            if (receiver.setup.id == mouse.stored.receiverId)
                receiver.setup.mouse = mouse.setup.name;
        }
    }
}

// A receiver keeps one mouse: others that kept its id drop it.
void SimBus::forgetOtherPairings(const SimMouse &paired)
{
    for (SimMouse &mouse : m_mice) {
        if (&mouse != &paired && mouse.stored.receiverId == paired.setup.receiverId)
            mouse.pairWith(QByteArray());
    }
}

SimMouse *SimBus::mouseNamed(const QString &name)
{
    for (SimMouse &mouse : m_mice) {
        if (mouse.setup.name == name)
            return &mouse;
    }
    return nullptr;
}

const SimMouse *SimBus::mouseNamed(const QString &name) const
{
    return const_cast<SimBus *>(this)->mouseNamed(name);
}

SimReceiver *SimBus::receiverNamed(const QString &name)
{
    for (SimReceiver &receiver : m_receivers) {
        if (receiver.setup.name == name)
            return &receiver;
    }
    return nullptr;
}

const SimReceiver *SimBus::receiverNamed(const QString &name) const
{
    return const_cast<SimBus *>(this)->receiverNamed(name);
}

QByteArray SimBus::receiverPath(const QString &name) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const SimReceiver &receiver : m_receivers) {
        if (receiver.setup.name == name)
            return receiver.path;
    }
    return QByteArray();
}

QByteArray SimBus::cablePath(const QString &mouse) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const SimMouse *found = mouseNamed(mouse);
    return found ? found->cablePath : QByteArray();
}

void SimBus::plugReceiver(const QString &name, bool plugged)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimReceiver *receiver = receiverNamed(name);
    if (!receiver || receiver->setup.plugged == plugged)
        return;
    receiver->setup.plugged = plugged;
    receiver->idReadsLeft = qMax(0, m_idsReadyAfter);
    postHotplug();
}

void SimBus::setMousePower(const QString &name, bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimMouse *mouse = mouseNamed(name);
    if (!mouse || mouse->setup.powered == on)
        return;
    mouse->setup.powered = on;
    postHotplug();
}

void SimBus::setMouseCable(const QString &name, bool cabled)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimMouse *mouse = mouseNamed(name);
    if (!mouse || mouse->setup.cabled == cabled)
        return;
    mouse->setup.cabled = cabled;
    mouse->idReadsLeft = qMax(0, m_idsReadyAfter);
    postHotplug();
}

void SimBus::notifyStatus(const QString &name, int flag)
{
    const SimMouse *mouse = mouseNamed(name);
    if (!mouse)
        return;
    QByteArray flags(HIDUSB_STATUS_FLAGS_SIZE, '\0');
    flags[flag] = 1;
    m_server.notifyMouse(*mouse, HIDUSB_EVENT_STATUS_CHANGED, flags);
}

void SimBus::setBattery(const QString &name, int level, bool charging)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimMouse *mouse = mouseNamed(name);
    if (!mouse)
        return;
    mouse->setup.battery = qBound(0, level, 100);
    mouse->setup.charging = charging;
    notifyStatus(name, 6);
}

void SimBus::pressDpiButton(const QString &name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimMouse *mouse = mouseNamed(name);
    if (!mouse)
        return;
    mouse->nextDpiLevel();
    notifyStatus(name, 0);
}

void SimBus::setReportRate(const QString &name, int code)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimMouse *mouse = mouseNamed(name);
    if (!mouse)
        return;
    mouse->setReportRate(code);
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
    SimMouse *mouse = mouseNamed(name);
    if (!mouse)
        return;
    mouse->restoreDefaults();
    m_server.notifyMouse(*mouse, HIDUSB_EVENT_RESET, QByteArray());
}

void SimBus::reportReceiverLight(const QString &name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimReceiver *receiver = receiverNamed(name);
    if (!m_server.isSessionReceiver(receiver))
        return;
    m_server.notifySession(HIDUSB_EVENT_RECEIVER_LIGHT,
                           QByteArray(reinterpret_cast<const char *>(receiver->light), HIDUSB_DONGLE_RGB_SIZE));
}

void SimBus::dropLongRange(const QString &name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimReceiver *receiver = receiverNamed(name);
    if (!m_server.isSessionReceiver(receiver))
        return;
    receiver->leaveLongRange();
    m_server.notifySession(HIDUSB_EVENT_LONG_RANGE, QByteArray(10, '\0'));
}

void SimBus::setLatency(int milliseconds)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_latencyMs = qBound(0, milliseconds, MaxLatencyMs);
}

void SimBus::setIdsReadyAfter(int calls)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_idsReadyAfter = calls;
    for (SimReceiver &receiver : m_receivers)
        receiver.idReadsLeft = qMax(0, calls);
    for (SimMouse &mouse : m_mice)
        mouse.idReadsLeft = qMax(0, calls);
}

void SimBus::setPairingCandidate(const QString &mouse)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pairingCandidate = mouse;
    for (SimReceiver &receiver : m_receivers) {
        if (receiver.pairingUnderWay() && !m_pairingCandidate.isEmpty())
            pairWithCandidate(receiver);
    }
}

void SimBus::setPairingWindow(int milliseconds)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pairingWindowMs = qMax(0, milliseconds);
}

void SimBus::setPairingFault(HidUsbSim::PairingFault fault)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pairingFault = fault;
}

// With the lock held. The receiver tells the session that pairing began,
// then the outcome: at once when a mouse waits or the receiver waits for
// none, else when one comes or a read finds the window passed.
void SimBus::startPairing(SimReceiver &receiver, int cid)
{
    using HidUsbSim::PairingFault;
    const PairingFault fault = std::exchange(m_pairingFault, PairingFault::None);
    receiver.beginPairing(cid, m_pairingWindowMs, fault == PairingFault::NoAnswer);
    if (fault == PairingFault::NoAnswer)
        return;
    reportPairing(receiver);
    if (fault == PairingFault::FailAtOnce) {
        receiver.pairStatus = 2;
        reportPairing(receiver);
    } else if (fault == PairingFault::UnplugReceiver) {
        receiver.setup.plugged = false;
        postHotplug();
    } else if (!m_pairingCandidate.isEmpty() || m_pairingWindowMs <= 0) {
        pairWithCandidate(receiver);
    }
}

void SimBus::pairWithCandidate(SimReceiver &receiver)
{
    SimMouse *candidate = mouseNamed(m_pairingCandidate);
    if (receiver.pair(candidate) == 3) {
        forgetOtherPairings(*candidate);
        m_pairingCandidate.clear();
        postHotplug();
    }
    reportPairing(receiver);
}

void SimBus::reportPairing(const SimReceiver &receiver)
{
    if (m_server.isSessionReceiver(&receiver))
        m_server.notifySession(HIDUSB_EVENT_PAIRING, QByteArray(1, char(receiver.pairStatus)));
}

void SimBus::setBootMode(const QString &device, bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (SimReceiver *receiver = receiverNamed(device))
        receiver->setBootMode(on);
    else if (SimMouse *mouse = mouseNamed(device))
        mouse->setBootMode(on);
    postHotplug();
}

bool SimBus::bootMode(const QString &device) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (const SimReceiver *receiver = receiverNamed(device))
        return receiver->bootMode();
    const SimMouse *mouse = mouseNamed(device);
    return mouse && mouse->bootMode();
}

QByteArray SimBus::storedConfiguration(const QString &name, int index) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const SimMouse *mouse = mouseNamed(name);
    return mouse ? mouse->storedRecord(index) : QByteArray();
}

int SimBus::activeConfiguration(const QString &name) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const SimMouse *mouse = mouseNamed(name);
    return mouse ? mouse->stored.activeConfig : -1;
}

bool SimBus::driverActive(const QString &name) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const SimMouse *mouse = mouseNamed(name);
    return mouse && mouse->driverActive;
}

bool SimBus::batteryOptimize(const QString &name) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const SimMouse *mouse = mouseNamed(name);
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
