#include "simupgrade.h"

#include "simbus.h"
#include "simthread.h"

#include <QtEndian>

#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>
#include <utility>

namespace {

constexpr int MouseImage = 210;
constexpr int ReceiverImage = 211;
constexpr int PercentStep = 20;

void sleepFor(int milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void report(UpgradeCallback callback, int kind, int value)
{
    const unsigned char bytes[3] = {7, static_cast<unsigned char>(kind), static_cast<unsigned char>(value)};
    callback(bytes);
}

QString versionText(int version)
{
    return QStringLiteral("v%1.%2").arg(version >> 8).arg(version & 0xFF, 0, 16);
}

} // namespace

SimUpgrade::SimUpgrade(SimBus &bus)
    : m_bus(bus)
{
}

SimUpgrade::Image SimUpgrade::readImage(const unsigned char *image)
{
    Image read;
    read.version = int(qFromLittleEndian<quint32>(image + HIDUSB_IMAGE_VERSION_OFFSET) & 0xFFFF);
    read.kind = image[HIDUSB_IMAGE_KIND_OFFSET];
    read.cid = image[HIDUSB_IMAGE_CID_OFFSET];
    read.mid = image[HIDUSB_IMAGE_MID_OFFSET];
    const char *identifier = reinterpret_cast<const char *>(image + HIDUSB_IMAGE_IDENTIFIER_OFFSET);
    read.identifier = QString::fromLocal8Bit(identifier, int(qstrnlen(identifier, HIDUSB_IMAGE_IDENTIFIER_SIZE)));
    return read;
}

QList<SimUpgrade::Candidate> SimUpgrade::candidates(const Image &image) const
{
    QList<Candidate> found;
    const auto suits = [&image](int cid, int mid, const QString &firmware) {
        return cid == image.cid && mid == image.mid && firmware == image.identifier;
    };
    if (image.kind == ReceiverImage) {
        for (const SimReceiver &receiver : m_bus.m_receivers) {
            if (receiver.setup.plugged && suits(receiver.setup.cid, receiver.setup.mid, receiver.setup.firmware))
                found.append({{false, receiver.setup.name}, receiver.bootMode()});
        }
    } else if (image.kind == MouseImage) {
        for (const SimMouse &mouse : m_bus.m_mice) {
            if (mouse.setup.cabled && suits(mouse.setup.cid, mouse.setup.mid, mouse.setup.firmware))
                found.append({{true, mouse.setup.name}, mouse.bootMode()});
        }
    }
    return found;
}

int SimUpgrade::bootDevices(const unsigned char *image) const
{
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    int count = 0;
    for (const Candidate &candidate : candidates(readImage(image)))
        count += candidate.bootMode ? 1 : 0;
    return count;
}

bool SimUpgrade::start(const unsigned char *image, UpgradeCallback callback, int timeout)
{
    if (!image || !callback)
        return false;
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    if (m_running)
        return false;
    Plan plan;
    plan.fault = std::exchange(m_fault, HidUsbSim::UpgradeFault::None);
    plan.faultPercent = m_faultPercent;
    plan.stepMs = m_stepMs;
    plan.timeoutMs = qMax(0, timeout);
    m_lineCount = 0;
    if (plan.fault == HidUsbSim::UpgradeFault::Refused) {
        log(QStringLiteral("start refused"));
        return false;
    }
    const Image read = readImage(image);
    plan.version = read.version;
    log(QStringLiteral("image %1 for customer %2, model %3, %4 %5")
            .arg(read.kind)
            .arg(read.cid)
            .arg(read.mid)
            .arg(read.identifier, versionText(read.version)));
    // A device in boot mode waits for exactly this image: it goes first.
    const QList<Candidate> found = candidates(read);
    if (found.isEmpty()) {
        log(QStringLiteral("no device for this image"));
        return false;
    }
    plan.target = found.first().target;
    for (const Candidate &candidate : found) {
        if (candidate.bootMode) {
            plan.target = candidate.target;
            break;
        }
    }
    log(QStringLiteral("target ") + plan.target.name);
    setBootMode(plan.target, true);
    log(QStringLiteral("boot mode entered"));
    m_bus.postHotplug();
    m_running = true;
    startLibraryThread([this, plan, callback] { run(plan, callback); });
    return true;
}

void SimUpgrade::run(const Plan &plan, UpgradeCallback callback)
{
    using HidUsbSim::UpgradeFault;
    for (int percent = 0; percent <= 100; percent += PercentStep) {
        if (plan.fault != UpgradeFault::None && percent >= plan.faultPercent) {
            const QString at = QStringLiteral(" at %1 %").arg(plan.faultPercent);
            if (plan.fault == UpgradeFault::FailAt) {
                fail(callback, QStringLiteral("write failed") + at);
            } else if (plan.fault == UpgradeFault::UnplugAt) {
                {
                    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
                    unplug(plan.target);
                    m_bus.postHotplug();
                }
                fail(callback, QStringLiteral("device unplugged") + at);
            } else {
                sleepFor(plan.timeoutMs);
                fail(callback, QStringLiteral("no answer for %1 ms").arg(plan.timeoutMs) + at);
            }
            return;
        }
        sleepFor(plan.stepMs);
        bool lost = false;
        {
            std::lock_guard<std::mutex> lock(m_bus.m_mutex);
            lost = !isPresent(plan.target);
            if (lost) {
                log(QStringLiteral("device lost at %1 %").arg(percent));
                m_running = false;
            } else if (percent == PercentStep) {
                log(QStringLiteral("flash erased"));
            }
        }
        if (lost) {
            report(callback, 2, 0);
            return;
        }
        report(callback, 1, percent);
    }
    {
        std::lock_guard<std::mutex> lock(m_bus.m_mutex);
        install(plan.target, plan.version);
        for (const char *line : {"image written", "checksum good", "device restarted", "done"})
            log(QLatin1String(line));
        m_running = false;
        m_bus.postHotplug();
    }
    report(callback, 2, 1);
}

// The device keeps the boot mode the run put it in.
void SimUpgrade::fail(UpgradeCallback callback, const QString &reason)
{
    {
        std::lock_guard<std::mutex> lock(m_bus.m_mutex);
        log(reason);
        m_running = false;
    }
    report(callback, 2, 0);
}

bool SimUpgrade::isPresent(const Target &target) const
{
    if (target.mouse) {
        const SimMouse *mouse = m_bus.mouseNamed(target.name);
        return mouse && mouse->setup.cabled;
    }
    const SimReceiver *receiver = m_bus.receiverNamed(target.name);
    return receiver && receiver->setup.plugged;
}

void SimUpgrade::setBootMode(const Target &target, bool on)
{
    if (SimMouse *mouse = target.mouse ? m_bus.mouseNamed(target.name) : nullptr)
        mouse->setBootMode(on);
    if (SimReceiver *receiver = target.mouse ? nullptr : m_bus.receiverNamed(target.name))
        receiver->setBootMode(on);
}

void SimUpgrade::unplug(const Target &target)
{
    if (SimMouse *mouse = target.mouse ? m_bus.mouseNamed(target.name) : nullptr)
        mouse->setup.cabled = false;
    if (SimReceiver *receiver = target.mouse ? nullptr : m_bus.receiverNamed(target.name))
        receiver->setup.plugged = false;
}

void SimUpgrade::install(const Target &target, int version)
{
    if (SimMouse *mouse = target.mouse ? m_bus.mouseNamed(target.name) : nullptr)
        mouse->installFirmware(version);
    if (SimReceiver *receiver = target.mouse ? nullptr : m_bus.receiverNamed(target.name))
        receiver->installFirmware(version);
}

void SimUpgrade::log(const QString &line)
{
    if (m_lineCount < HIDUSB_UPGRADE_LOG_LINES)
        m_lines[m_lineCount++] = line.toLatin1();
}

const char **SimUpgrade::logs() const
{
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    for (int line = 0; line < HIDUSB_UPGRADE_LOG_LINES; ++line)
        m_linePointers[line] = line < m_lineCount ? m_lines[line].constData() : nullptr;
    return m_linePointers;
}

void SimUpgrade::setFault(HidUsbSim::UpgradeFault fault, int percent)
{
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    m_fault = fault;
    m_faultPercent = percent;
}

void SimUpgrade::setStepTime(int milliseconds)
{
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    m_stepMs = qMax(0, milliseconds);
}
