#pragma once

#include "childwidget.h"
#include "devicelinktest.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

// Shared set-up of the sensor panel tests: the default mouse online with its
// record read and the device page live, so a panel's send reaches the
// simulated mouse; what a test expects is read back from the record and the
// library's call log.
namespace PanelTest {

using PanelFactory = std::function<QWidget *()>;

inline void openDefaultMouse()
{
    DeviceLinkTest::resetAll();
    const QByteArray path = DeviceLinkTest::receiverPath();
    UsbServerC_Start(path.constData(), path.constData(), DeviceLinkTest::ignoreEvents);
    CurrentDevicePath.set(path);
    DeviceProtocolData.set(DeviceLinkTest::recordOf(HidUsbSim::storedConfiguration("Mouse1", 0)));
    g_deviceRecordLoaded = true;
    g_deviceUiLive = true;
    HidUsbSim::clearCallLog();
}

inline void switchMouseOff()
{
    HidUsbSim::setMousePower("Mouse1", false);
}

inline int recordsSent()
{
    return HidUsbSim::callCount("ProtocolDataUpdate");
}

inline int recordByte(int offset)
{
    return DeviceProtocolData.get().bytes()[offset];
}

// Sets a byte of the process-wide record, to see whether a panel writes it.
inline void presetRecordByte(int offset, int value)
{
    DeviceProtocolData.update([=](FlashDataMap &record) { record.bytes()[offset] = std::uint8_t(value); });
}

// Runs `action` and closes any modal dialog it opens; true when one opened.
inline bool opensModalDialog(const std::function<void()> &action)
{
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            opened = true;
            dialog->close();
        }
    });
    action();
    QCoreApplication::processEvents();
    return opened;
}

} // namespace PanelTest

Q_DECLARE_METATYPE(PanelTest::PanelFactory)
