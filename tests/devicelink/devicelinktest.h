#pragma once

#include "configurationsenders.h"
#include "deviceallinfo.h"
#include "flashdatamap.h"
#include "pagestate.h"
#include "worker.h"

#include <HIDUsb.h>
#include <hidusb_sim.h>

#include <QDir>
#include <QFile>
#include <QtTest>

#include <cstring>

// Shared set-up of the device-link tests: the default simulated devices
// (a receiver of the 8000 Hz class with its online mouse of model 1), no
// latency, and the device link's process-wide state back at its start.
namespace DeviceLinkTest {

inline void ignoreEvents(const unsigned char *, int, const unsigned char *, int) {}

inline void resetAll()
{
    UsbServer_Exit();
    StopUsbChanged();
    HidUsbSim::loadDefaultScenario();
    HidUsbSim::setLatency(0);
    HidUsbSim::setIdsReadyAfter(0);
    QTRY_VERIFY(HidUsbSim::isIdle());
    QCoreApplication::processEvents();
    CurrentDevice.set(DeviceAllInfo());
    CurrentDevicePath.set(QByteArray());
    DeviceProtocolData.set(FlashDataMap{});
    g_deviceRecordLoaded = false;
    g_buttonUiFilling = false;
    g_sensorUiFilling = false;
    g_devicePageState = 1;
    g_hotplugEnabled = true;
    g_importActive = false;
    g_repairDialogVisible = false;
    g_updateCheckBusy = false;
    g_workerConnected = false;
    g_lastRunOnline = false;
    g_offlineSeen = false;
    g_offlineDialogShown = false;
    g_forceFullRead = false;
    g_workerRunRequest = 0;
    g_programEnding = false;
    resetRecordRequests();
    g_batteryAsText = true;
    g_dongleRgb = DongleRGB{};
    HidUsbSim::clearCallLog();
}

// A scenario of the given sections, written into the test home, with no
// latency and ids ready at once.
inline bool loadScenario(const QByteArray &ini)
{
    static int count = 0;
    const QString path = QDir::homePath() + QStringLiteral("/scenario-%1.ini").arg(++count);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("[Bus]\nLatency=0\nIdsReadyAfter=0\n" + ini);
    file.close();
    return HidUsbSim::loadScenario(path);
}

inline QByteArray receiverPath()
{
    return HidUsbSim::receiverPath(QStringLiteral("Receiver1"));
}

// The receiver as the selection page describes it when the user picks it.
inline DeviceAllInfo chosenReceiver()
{
    DeviceAllInfo device;
    device.path = QString::fromLatin1(receiverPath());
    device.vid = QStringLiteral("0x3F1A");
    device.pid = QStringLiteral("0x5A18");
    device.cid = 35;
    device.mid = 1;
    device.kind = 5;
    device.driveIndex = 0;
    device.online = true;
    device.version = QStringLiteral("v1.5");
    return device;
}

inline FlashDataMap recordOf(const QByteArray &bytes)
{
    FlashDataMap record;
    std::memset(&record, 0, sizeof record);
    std::memcpy(&record, bytes.constData(), qMin<size_t>(bytes.size(), sizeof record));
    return record;
}

inline QByteArray bytesOf(const FlashDataMap &record)
{
    return QByteArray(reinterpret_cast<const char *>(record.bytes()), sizeof record);
}

// The default mouse chosen, its record loaded and the device pages live,
// as after opening it from the selection page.
inline void openDefaultMouse()
{
    UsbServerC_Start(receiverPath().constData(), receiverPath().constData(), ignoreEvents);
    CurrentDevicePath.set(receiverPath());
    DeviceProtocolData.set(recordOf(HidUsbSim::storedConfiguration("Mouse1", 0)));
    g_deviceRecordLoaded = true;
    g_deviceUiLive = true;
}

} // namespace DeviceLinkTest
