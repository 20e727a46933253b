#pragma once

// Test-only control of the simulated devices behind HIDUsb.h: the program
// itself never includes this header. Devices are named after their
// scenario sections ("Receiver1", "Mouse1" in the default scenario).

#include <QByteArray>
#include <QString>
#include <QStringList>

#if defined(HIDUSB_BUILDING)
#define HIDUSB_SIM_API __attribute__((visibility("default")))
#else
#define HIDUSB_SIM_API
#endif

namespace HidUsbSim {

enum class Fault {
    NonZeroStatus,    // the next answers carry status 1
    WrongLength,      // the next answers are one byte short (or one long when empty)
    NoAnswer,         // the next requests are dropped
    UnplugDuringRead, // the next full read unplugs the device instead of answering
};

// What goes wrong with the next firmware upgrade.
enum class UpgradeFault {
    None,
    Refused,  // UsbUpgrade_Start answers 0 and nothing happens
    FailAt,   // the device reports a failed write at the percent given
    UnplugAt, // the device is unplugged at the percent given
    HangAt,   // the device stops answering at the percent given
};

// What goes wrong with the next pairing.
enum class PairingFault {
    None,
    NoAnswer,       // the receiver answers nothing about it
    FailAtOnce,     // it fails right after it began, whatever mouse waits
    UnplugReceiver, // the receiver is unplugged once it began
};

// Replaces every device (stored configurations stay in their files).
// Clears the faults; the call log, the watch and the server are kept.
HIDUSB_SIM_API void loadDefaultScenario();
HIDUSB_SIM_API bool loadScenario(const QString &iniPath);

HIDUSB_SIM_API QByteArray receiverPath(const QString &receiver);
HIDUSB_SIM_API QByteArray cablePath(const QString &mouse);

HIDUSB_SIM_API void plugReceiver(const QString &receiver, bool plugged);
HIDUSB_SIM_API void setMousePower(const QString &mouse, bool on);
HIDUSB_SIM_API void setMouseCable(const QString &mouse, bool cabled);
HIDUSB_SIM_API void setBattery(const QString &mouse, int level, bool charging);
HIDUSB_SIM_API void pressDpiButton(const QString &mouse);
HIDUSB_SIM_API void setReportRate(const QString &mouse, int code);
HIDUSB_SIM_API void requestReRead(const QString &mouse);
HIDUSB_SIM_API void triggerReset(const QString &mouse);
HIDUSB_SIM_API void reportReceiverLight(const QString &receiver);
HIDUSB_SIM_API void dropLongRange(const QString &receiver);
HIDUSB_SIM_API void setLatency(int milliseconds);
// GetDeviceInfo answers zeros this many times after a device appears; -1: always.
HIDUSB_SIM_API void setIdsReadyAfter(int calls);
HIDUSB_SIM_API void injectFault(Fault fault, int count = 1);
// A mouse waits to be paired, as when a person holds its pairing buttons:
// a receiver pairing now, or the next one to begin, takes it.
HIDUSB_SIM_API void setPairingCandidate(const QString &mouse);
// How long a receiver waits for a mouse once pairing began; 0 (the
// default): it fails at once when none waits.
HIDUSB_SIM_API void setPairingWindow(int milliseconds);
HIDUSB_SIM_API void setPairingFault(PairingFault fault);
// A receiver or mouse in boot mode waits for an image and is left out of
// normal discovery; a failed upgrade leaves its device so.
HIDUSB_SIM_API void setBootMode(const QString &device, bool on);
HIDUSB_SIM_API bool bootMode(const QString &device);
// For the next upgrade only; `percent` is where it goes wrong.
HIDUSB_SIM_API void setUpgradeFault(UpgradeFault fault, int percent = 50);
// The time between two progress reports (20 % apart), 250 ms by default.
HIDUSB_SIM_API void setUpgradeStepTime(int milliseconds);

// The configuration record (10,428 bytes) as the mouse stores it.
HIDUSB_SIM_API QByteArray storedConfiguration(const QString &mouse, int index);
HIDUSB_SIM_API int activeConfiguration(const QString &mouse);
HIDUSB_SIM_API bool driverActive(const QString &mouse);
HIDUSB_SIM_API bool batteryOptimize(const QString &mouse);

// Every library call, oldest first, as "Name" or "Name(arguments)".
HIDUSB_SIM_API QStringList callLog();
HIDUSB_SIM_API int callCount(const QString &name);
HIDUSB_SIM_API void clearCallLog();

// True when no request waits and no answer is being delivered.
HIDUSB_SIM_API bool isIdle();

} // namespace HidUsbSim
