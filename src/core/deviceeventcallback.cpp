#include "deviceeventcallback.h"

#include "bindingtype.h"
#include "configinistore.h"
#include "configurationsenders.h"
#include "deviceallinfo.h"
#include "deviceregistry.h"
#include "flashdatamap.h"
#include "pagestate.h"
#include "postmsg.h"
#include "worker.h"

#include <HIDUsb.h>

#include <chrono>
#include <cstring>

Guarded<QString> deviceCacheName;
std::atomic<bool> g_skipReceiverReadAfterReset{false};
std::atomic<bool> g_clearKeySlotsAfterReset{false};

namespace {

constexpr int FullDumpSize = HIDUSB_DUMP_SIZE;
constexpr std::int64_t ReReadInterval = 3000;
constexpr unsigned char NoLongRangeAnswer = 's';

std::atomic<std::int64_t> reReadClockStart{0};

std::int64_t nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

struct Event
{
    int code = 0;
    int status = 0;
    int subCommand = 0;
    const unsigned char *payload = nullptr;
    int length = 0;
};

// Header bytes beyond the header's length count as 0.
Event readEvent(const unsigned char *header, int headerLength, const unsigned char *payload, int payloadLength)
{
    const auto byteAt = [&](int index) {
        return header && index < headerLength ? int(header[index]) : 0;
    };
    Event event;
    event.code = byteAt(HIDUSB_HEADER_EVENT);
    event.status = byteAt(HIDUSB_HEADER_STATUS);
    event.subCommand = byteAt(HIDUSB_HEADER_SUBCOMMAND);
    if (payload && payloadLength > 0) {
        event.payload = payload;
        event.length = payloadLength;
    }
    return event;
}

// After a reset, key sequences and macros are cleared except on the keys
// whose configured default is a key sequence ("KeyParam" i starts with
// "0x05" for device key i - 1).
void clearUnboundKeySlots(FlashDataMap &record, const DeviceAllInfo &device)
{
    ConfigIniStore *config = ConfigIniStore::instance();
    bool kept[FlashDataMap::KeyCount] = {};
    for (int param = 1; param <= PageKeyCount; ++param) {
        const QStringList items = config->valueList(device.driveGroup(), QStringLiteral("KeyParam%1").arg(param));
        kept[param - 1] = !items.isEmpty() && items.first().trimmed() == QLatin1String("0x05");
    }
    for (int key = 0; key < FlashDataMap::KeyCount; ++key) {
        if (kept[key])
            continue;
        std::memset(&record.KeyDatas[key], 0, sizeof record.KeyDatas[key]);
        std::memset(&record.KeyMacros[key], 0, sizeof record.KeyMacros[key]);
    }
}

void readReceiverSettings(const DeviceAllInfo &device, const QByteArray &path)
{
    if (!device.isWired && device.kind == 1) {
        UsbFinderC_Get4KDongleRGBValue(path.constData(), g_dongleRgb.bytes);
        if (g_dongleRgb.bytes[0] != 0)
            PostMsg::emitBlocking(&PostMsg::SigRGBValue, &g_dongleRgb);
    }
    unsigned char longRange = NoLongRangeAnswer;
    UsbFinderC_GetLongRangeMode(path.constData(), &longRange);
    if (longRange != NoLongRangeAnswer && longRange != 0)
        PostMsg::emitBlocking(&PostMsg::SigLongRangeMode, true);
}

void fullRead(const Event &event)
{
    FlashDataMap record;
    std::memset(&record, 0, sizeof record);
    ProtocolDataParser(event.payload, record.bytes());

    const DeviceAllInfo device = CurrentDevice.get();
    deviceCacheName.set(DeviceAllInfo::cacheFileName(device.cid, device.mid));
    UsbServer_ReadDPILed();
    UsbServer_ReadBatteryLevel();
    UsbServer_ReadVersion();
    UsbServer_ReadConfig();
    if (!g_skipReceiverReadAfterReset.exchange(false))
        readReceiverSettings(device, CurrentDevicePath.get());
    if (g_clearKeySlotsAfterReset.exchange(false))
        clearUnboundKeySlots(record, device);

    DeviceProtocolData.set(record);
    g_deviceRecordLoaded = true;
    resetRecordRequests();
    sendWholeRecord();
    g_sensorUiApplied = false;
    g_buttonUiApplied = false;

    PostMsg::emitBlocking(&PostMsg::SigUpDataLightUIButton, record);
    PostMsg::emitBlocking(&PostMsg::SigUpDataLightLight, record);
    PostMsg::emitBlocking(&PostMsg::SigUpDataLightSensor, record);
    PostMsg::emitBlocking(&PostMsg::SigForm);
    // Run requests are left to the worker: one made while this read was on
    // its way is a newer one, and must not be lost.
    g_deviceDataReady = true;
}

void reportRate(int value)
{
    if (CurrentDevice.get().isWired && value > 15)
        return; // a cabled mouse reports more than its link takes
    DeviceProtocolData.update([=](FlashDataMap &r) { r.ReportRate = quint8(value); });
    PostMsg::emitBlocking(&PostMsg::SigUpDataReportRate, value);
    sendWholeRecord();
}

void currentDpiLevel(int level)
{
    if (level >= FlashDataMap::DpiLevelCount)
        return;
    DeviceProtocolData.update([=](FlashDataMap &r) { r.CurrentDPIGrade = quint8(level); });
    PostMsg::emitBlocking(&PostMsg::SigUpDataDPI, level);
    sendWholeRecord();
}

void readReply(const Event &event)
{
    if (event.status != 0)
        return;
    switch (event.subCommand) {
    case HIDUSB_READ_ALL_OR_RATE:
        if (event.length == FullDumpSize)
            fullRead(event);
        else if (event.length == 1)
            reportRate(event.payload[0]);
        break;
    case HIDUSB_READ_CURRENT_DPI:
        if (event.length == 1)
            currentDpiLevel(event.payload[0]);
        break;
    case HIDUSB_READ_DPI_LED:
        if (event.length == 8) {
            const FlashDataMap record = DeviceProtocolData.update(
                [&](FlashDataMap &r) { BufferToDPILed(event.payload, &r.DPILedMode); });
            PostMsg::emitBlocking(&PostMsg::SigUpDataDPILed, record);
        }
        break;
    case HIDUSB_READ_LED_BAR:
        if (event.length == 9) {
            const FlashDataMap record = DeviceProtocolData.update(
                [&](FlashDataMap &r) { BufferToLedBar(event.payload, &r.LightMode); });
            PostMsg::emitBlocking(&PostMsg::SigUpDataLightLight, record);
        }
        break;
    default:
        break;
    }
}

void battery(const Event &event)
{
    if (event.length < HIDUSB_BATTERY_PAYLOAD_SIZE)
        return;
    unsigned char status[HIDUSB_BATTERY_STATUS_SIZE] = {};
    GetDeviceBatteryStatus(event.payload, status);
    PostMsg::emitBlocking(&PostMsg::SigBattery, status[1] > 0, status[0], g_batteryAsText);
}

// The receiver's light and long-range settings go back to what Config.ini
// gives the model, then the full read that answers clears the key slots the
// reset left behind. The flags are set before the read is asked for.
void deviceReset()
{
    UsbServer_SetBatteryOptimizeEnable(1);
    const DeviceAllInfo device = CurrentDevice.get();
    const QByteArray path = CurrentDevicePath.get();
    const QStringList advanced = ConfigIniStore::instance()->valueList(device.driveGroup(), QStringLiteral("Adveanced"));

    const int lightMode = advanced.value(1).trimmed().toInt();
    if (lightMode > 0 && !device.isWired && device.kind == 1) {
        g_dongleRgb.bytes[0] = quint8(lightMode);
        UsbFinderC_Set4KDongleRGB(path.constData(), g_dongleRgb.bytes);
        if (g_dongleRgb.bytes[0] != 0)
            PostMsg::emitBlocking(&PostMsg::SigRGBValue, &g_dongleRgb);
    }
    bool numeric = false;
    const int longRange = advanced.value(0).trimmed().toInt(&numeric);
    if (numeric && (longRange == 0 || longRange == 1)) {
        UsbFinderC_SetLongRangeMode(path.constData(), longRange);
        PostMsg::emitBlocking(&PostMsg::SigLongRangeMode, longRange == 1);
    }
    g_clearKeySlotsAfterReset = true;
    g_skipReceiverReadAfterReset = true;
    UsbServer_ReadAllFlashData();
}

void statusChanged(const Event &event)
{
    if (event.length < HIDUSB_STATUS_FLAGS_SIZE)
        return;
    unsigned char flags[HIDUSB_STATUS_FLAGS_SIZE] = {};
    GetDeviceStatusChanged(event.payload, flags);
    if (flags[0])
        UsbServer_ReadCurrentDPI();
    if (flags[1])
        UsbServer_ReadReportRate();
    if (flags[6])
        UsbServer_ReadBatteryLevel();
    if (flags[5])
        UsbServer_ReadLedBar();
    if (flags[3])
        UsbServer_ReadDPILed();
    if (flags[2] && nowMs() - reReadClockStart > ReReadInterval) {
        restartReReadClock();
        g_offlineDialogShown = true;
        g_forceFullRead = true;
    }
}

// A version of zero or less is unknown: shown empty, not stored.
void version()
{
    const QByteArray path = CurrentDevicePath.get();
    const int value = UsbFinderC_GetVersion(path.constData());
    const QString text = value > 0 ? DeviceAllInfo::versionText(std::uint32_t(value)) : QString();
    CurrentDevice.update([&](DeviceAllInfo &current) { current.mouseVersion = text; });

    ConfigIniStore *config = ConfigIniStore::instance();
    const QString cid = config->value(QStringLiteral("Option"), QStringLiteral("CID"));
    const QString mid = config->value(CurrentDevice.get().driveGroup(), QStringLiteral("MID"));
    emit PostMsg::instance()->SigSetver(0);
    if (value > 0)
        recordMouseVersion(cid, mid, text);
}

} // namespace

void restartReReadClock()
{
    reReadClockStart = nowMs();
}

void deviceEventCallback(const unsigned char *header, int headerLength, const unsigned char *payload,
                         int payloadLength)
{
    const Event event = readEvent(header, headerLength, payload, payloadLength);
    switch (event.code) {
    case HIDUSB_EVENT_BATTERY:
        battery(event);
        break;
    case HIDUSB_EVENT_READ_REPLY:
        readReply(event);
        break;
    case HIDUSB_EVENT_RESET:
        deviceReset();
        break;
    case HIDUSB_EVENT_STATUS_CHANGED:
        statusChanged(event);
        break;
    case HIDUSB_EVENT_CONFIG:
        if (event.length == 1)
            PostMsg::emitBlocking(&PostMsg::SigUpDataConfigUI, 4, event.payload[0], true);
        else
            PostMsg::emitBlocking(&PostMsg::SigUpDataConfigUI, 0, 0, false);
        break;
    case HIDUSB_EVENT_VERSION:
        version();
        break;
    case HIDUSB_EVENT_RECEIVER_LIGHT:
        PostMsg::emitBlocking(&PostMsg::SigRGBValue, &g_dongleRgb);
        break;
    case HIDUSB_EVENT_LONG_RANGE:
        if (event.length == 10)
            PostMsg::emitBlocking(&PostMsg::SigLongRangeMode, false);
        break;
    default:
        break; // pairing events go to the pairing dialog's own callback
    }
}
