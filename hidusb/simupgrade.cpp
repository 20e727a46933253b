#include "simupgrade.h"

#include "simbus.h"

#include <chrono>
#include <mutex>
#include <thread>

namespace {

const char *const UpgradeLogs[HIDUSB_UPGRADE_LOG_LINES] = {
    "simulated upgrade", "image accepted", "boot mode entered", "flash erased",
    "image written",     "checksum good",  "device restarted",  "done",
};

} // namespace

SimUpgrade::SimUpgrade(SimBus &bus)
    : m_bus(bus)
{
}

int SimUpgrade::bootDevices() const
{
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    return m_bootDevices;
}

void SimUpgrade::setBootDevices(int count)
{
    std::lock_guard<std::mutex> lock(m_bus.m_mutex);
    m_bootDevices = qMax(0, count);
}

void SimUpgrade::start(UpgradeCallback callback)
{
    if (!callback)
        return;
    std::thread([this, callback] {
        unsigned char report[3] = {7, 1, 0};
        for (int percent = 0; percent <= 100; percent += 20) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            report[2] = static_cast<unsigned char>(percent);
            callback(report);
        }
        {
            std::lock_guard<std::mutex> lock(m_bus.m_mutex);
            m_bootDevices = 0;
            m_bus.postHotplug();
        }
        const unsigned char result[3] = {7, 2, 1};
        callback(result);
    }).detach();
}

const char **SimUpgrade::logs()
{
    return const_cast<const char **>(UpgradeLogs);
}
