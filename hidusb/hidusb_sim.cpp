#include "hidusb_sim.h"

#include "simbus.h"

namespace HidUsbSim {

namespace {

SimBus &bus()
{
    return SimBus::instance();
}

} // namespace

void loadDefaultScenario()
{
    bus().load(Scenario::defaults(), QString());
}

bool loadScenario(const QString &iniPath)
{
    bool ok = false;
    const Scenario scenario = Scenario::fromFile(iniPath, &ok);
    if (ok)
        bus().load(scenario, iniPath);
    return ok;
}

QByteArray receiverPath(const QString &receiver) { return bus().receiverPath(receiver); }
QByteArray cablePath(const QString &mouse) { return bus().cablePath(mouse); }
void plugReceiver(const QString &receiver, bool plugged) { bus().plugReceiver(receiver, plugged); }
void setMousePower(const QString &mouse, bool on) { bus().setMousePower(mouse, on); }
void setMouseCable(const QString &mouse, bool cabled) { bus().setMouseCable(mouse, cabled); }
void setBattery(const QString &mouse, int level, bool charging) { bus().setBattery(mouse, level, charging); }
void pressDpiButton(const QString &mouse) { bus().pressDpiButton(mouse); }
void setReportRate(const QString &mouse, int code) { bus().setReportRate(mouse, code); }
void requestReRead(const QString &mouse) { bus().requestReRead(mouse); }
void triggerReset(const QString &mouse) { bus().triggerReset(mouse); }
void reportReceiverLight(const QString &receiver) { bus().reportReceiverLight(receiver); }
void dropLongRange(const QString &receiver) { bus().dropLongRange(receiver); }
void setLatency(int milliseconds) { bus().setLatency(milliseconds); }
void setIdsReadyAfter(int calls) { bus().setIdsReadyAfter(calls); }
void injectFault(Fault fault, int count) { bus().server().injectFault(fault, count); }
void setPairingCandidate(const QString &mouse) { bus().setPairingCandidate(mouse); }
void setPairingWindow(int milliseconds) { bus().setPairingWindow(milliseconds); }
void setPairingFault(PairingFault fault) { bus().setPairingFault(fault); }
void setBootMode(const QString &device, bool on) { bus().setBootMode(device, on); }
bool bootMode(const QString &device) { return bus().bootMode(device); }
void setUpgradeFault(UpgradeFault fault, int percent) { bus().upgrade().setFault(fault, percent); }
void setUpgradeStepTime(int milliseconds) { bus().upgrade().setStepTime(milliseconds); }

QByteArray storedConfiguration(const QString &mouse, int index)
{
    return bus().storedConfiguration(mouse, index);
}

int activeConfiguration(const QString &mouse) { return bus().activeConfiguration(mouse); }
bool driverActive(const QString &mouse) { return bus().driverActive(mouse); }
bool batteryOptimize(const QString &mouse) { return bus().batteryOptimize(mouse); }
QStringList callLog() { return bus().callLog(); }
void clearCallLog() { bus().clearCallLog(); }
bool isIdle() { return bus().server().isIdle(); }

int callCount(const QString &name)
{
    int count = 0;
    for (const QString &call : bus().callLog()) {
        if (call == name || call.startsWith(name + QLatin1Char('(')))
            ++count;
    }
    return count;
}

} // namespace HidUsbSim
