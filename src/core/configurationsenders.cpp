#include "configurationsenders.h"

#include "deviceidentification.h"
#include "flashdatamap.h"
#include "pagestate.h"
#include "postmsg.h"

#include <HIDUsb.h>

#include <atomic>
#include <cstring>
#include <utility>

namespace {

std::uint8_t low(int value)
{
    return static_cast<std::uint8_t>(value & 0xFF);
}

bool isKey(int key)
{
    return key >= 0 && key < FlashDataMap::KeyCount;
}

bool isDpiLevel(int level)
{
    return level >= 0 && level < FlashDataMap::DpiLevelCount;
}

// A full read lost on its way (a reply of the wrong length or status) would
// leave every change refused for good. A few refusals ask for it again;
// each full read that arrives and each link the worker opens allow as many
// again. The pages show what the device holds once the record arrives.
constexpr int RecordRequests = 3;
std::atomic<int> recordRequestsLeft{RecordRequests};

void askForTheRecordAgain()
{
    int left = recordRequestsLeft;
    while (left > 0 && !recordRequestsLeft.compare_exchange_weak(left, left - 1)) {
    }
    if (left > 0)
        UsbServer_ReadAllFlashData();
}

bool onlineOrReported()
{
    if (currentDeviceAnswers())
        return true;
    if (!g_buttonUiFilling && !g_sensorUiFilling)
        emit PostMsg::instance()->SigMouseOffLineo(0);
    return false;
}

// The body every sender shares.
template<typename Patch>
bool send(Patch &&patch)
{
    if (!onlineOrReported())
        return false;
    if (!g_deviceRecordLoaded) {
        askForTheRecordAgain();
        return false;
    }
    const FlashDataMap record = DeviceProtocolData.update(std::forward<Patch>(patch));
    ProtocolDataUpdate(record.bytes());
    return true;
}

} // namespace

void resetRecordRequests()
{
    recordRequestsLeft = RecordRequests;
}

bool isDeviceOnline()
{
    return onlineOrReported();
}

bool setReportRate(int code)
{
    return send([=](FlashDataMap &r) { r.ReportRate = low(code); });
}

bool setCurrentDpiLevel(int level)
{
    return isDpiLevel(level) && send([=](FlashDataMap &r) { r.CurrentDPIGrade = low(level); });
}

bool setLiftOffDistance(int code)
{
    return send([=](FlashDataMap &r) { r.LOD = low(code); });
}

bool setDebounceTime(int value)
{
    return send([=](FlashDataMap &r) { r.DebounceTime = low(value); });
}

bool setMotionSync(int on)
{
    return send([=](FlashDataMap &r) { r.MotionSync = low(on); });
}

bool setSleepTime(int tenSeconds)
{
    return send([=](FlashDataMap &r) { r.SleepTime = low(tenSeconds); });
}

bool setStraightLine(int on)
{
    return send([=](FlashDataMap &r) { r.StraightLine = low(on); });
}

bool setRippleControl(int on)
{
    return send([=](FlashDataMap &r) { r.RippeControl = low(on); });
}

bool setLightOffWhileMoving(int on)
{
    return send([=](FlashDataMap &r) { r.LightOffMoving = low(on); });
}

bool setPerformanceEnabled(int on)
{
    return send([=](FlashDataMap &r) { r.Performance = low(on); });
}

bool setPerformanceLevel(int code)
{
    return send([=](FlashDataMap &r) { r.PerformanceTime = low(code); });
}

bool setModelChoice(int index)
{
    return send([=](FlashDataMap &r) { r.ModelChoose = low(index); });
}

bool setDpiLevelValue(int level, int x, int y, int flags)
{
    return isDpiLevel(level) && send([=](FlashDataMap &r) {
        DPIGrade &grade = r.DPIGrades[level];
        grade.x = low(x);
        grade.y = low(y);
        grade.flags = low(flags);
    });
}

bool setDpiLevelColor(int level, int red, int green, int blue)
{
    return isDpiLevel(level) && send([=](FlashDataMap &r) {
        DPIGrade &grade = r.DPIGrades[level];
        grade.red = low(red);
        grade.green = low(green);
        grade.blue = low(blue);
    });
}

bool setDpiLevelCount(int count)
{
    return count >= 1 && count <= FlashDataMap::DpiLevelCount
           && send([=](FlashDataMap &r) { r.DPIGradeCount = low(count); });
}

bool swapDpiLevels(const std::uint8_t *levelA, const std::uint8_t *levelB, int indexB, int indexA, int current)
{
    if (!levelA || !levelB || !isDpiLevel(indexA) || !isDpiLevel(indexB) || !isDpiLevel(current))
        return false;
    DPIGrade a;
    DPIGrade b;
    std::memcpy(&a, levelA, sizeof a);
    std::memcpy(&b, levelB, sizeof b);
    return send([=](FlashDataMap &r) {
        r.DPIGrades[indexA] = a;
        r.DPIGrades[indexB] = b;
        r.CurrentDPIGrade = low(current);
        r.DPIGradeCount = low(current + 1);
    });
}

// Switching the effect off keeps its code, so switching it on restores it.
bool setDpiLightMode(int code)
{
    return send([=](FlashDataMap &r) {
        r.DPILedEnable = code != 0 ? 1 : 0;
        if (code != 0)
            r.DPILedMode = low(code);
    });
}

bool setDpiLightBrightness(int brightness)
{
    return send([=](FlashDataMap &r) { r.DPILedBrightness = low(brightness); });
}

bool setDpiLightSpeed(int speed)
{
    return send([=](FlashDataMap &r) { r.DPILedSpeed = low(speed); });
}

bool setLightMode(int code)
{
    return send([=](FlashDataMap &r) {
        r.LightEnable = code != 0 ? 1 : 0;
        if (code != 0)
            r.LightMode = low(code);
    });
}

bool setLightColor(int red, int green, int blue)
{
    return send([=](FlashDataMap &r) {
        r.LightR = low(red);
        r.LightG = low(green);
        r.LightB = low(blue);
    });
}

bool setLightSpeed(int speed)
{
    return send([=](FlashDataMap &r) { r.LightSpeed = low(speed); });
}

bool setLightBrightness(int brightness)
{
    return send([=](FlashDataMap &r) { r.LightBrightness = low(brightness); });
}

bool setKeyFunction(int key, int type, int code, int param)
{
    return isKey(key) && send([=](FlashDataMap &r) {
        r.KeyFunctions[key] = {low(type), low(code), low(param)};
    });
}

bool setKeyFunctionPayload(int key, const std::uint8_t *entry, const std::uint8_t *payload)
{
    if (!isKey(key) || !entry || !payload)
        return false;
    KeyFunction function;
    KeyData data;
    std::memcpy(&function, entry, sizeof function);
    std::memcpy(&data, payload, sizeof data);
    return send([&](FlashDataMap &r) {
        r.KeyFunctions[key] = function;
        r.KeyDatas[key] = data;
    });
}

bool setKeyMacro(int key, const std::uint8_t *entry, const std::uint8_t *body)
{
    if (!isKey(key) || !entry || !body)
        return false;
    KeyFunction function;
    KeyMacro macro;
    std::memcpy(&function, entry, sizeof function);
    std::memcpy(&macro, body, sizeof macro);
    return send([&](FlashDataMap &r) {
        r.KeyFunctions[key] = function;
        r.KeyMacros[key] = macro;
    });
}

bool sendWholeRecord()
{
    if (!g_deviceRecordLoaded)
        return false;
    DeviceProtocolData.use([](const FlashDataMap &record) { ProtocolDataUpdate(record.bytes()); });
    return true;
}
