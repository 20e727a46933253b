#pragma once

#include <cstdint>

// One sender per device setting. Each asks the library whether the chosen
// device is online; online, it patches its bytes of DeviceProtocolData
// (values keep their low 8 bits) and hands the whole record to the device,
// returning true. Offline, it changes nothing, reports the device offline on
// the hub unless a page is filling its controls, and returns false. Nothing
// is written either while the record does not yet hold the current device's
// settings, or for a key or DPI level that does not exist. GUI thread only.
// A change refused because the record is not loaded while the device
// answers asks the device for its record again, a few times.

bool isDeviceOnline();

// A full read arrived or the worker opened the link: refused changes may ask
// for the record again as often as at the start. Any thread.
void resetRecordRequests();

bool setReportRate(int code);
bool setCurrentDpiLevel(int level);
bool setLiftOffDistance(int code);
bool setDebounceTime(int value);
bool setMotionSync(int on);
bool setSleepTime(int tenSeconds);
bool setStraightLine(int on);
bool setRippleControl(int on);
bool setLightOffWhileMoving(int on);
bool setPerformanceEnabled(int on);
bool setPerformanceLevel(int code);
bool setModelChoice(int index);

bool setDpiLevelValue(int level, int x, int y, int flags);
bool setDpiLevelColor(int level, int red, int green, int blue);
// The number of levels the DPI button cycles through, 1 to 8.
bool setDpiLevelCount(int count);
// Stores level entry A at indexA and entry B at indexB (B last), then makes
// `current` the active level and current + 1 the level count.
bool swapDpiLevels(const std::uint8_t *levelA, const std::uint8_t *levelB, int indexB, int indexA,
                   int current);
bool setDpiLightMode(int code);
bool setDpiLightBrightness(int brightness);
bool setDpiLightSpeed(int speed);

bool setLightMode(int code);
bool setLightColor(int red, int green, int blue);
bool setLightSpeed(int speed);
bool setLightBrightness(int brightness);

bool setKeyFunction(int key, int type, int code, int param);
bool setKeyFunctionPayload(int key, const std::uint8_t *entry, const std::uint8_t *payload);
bool setKeyMacro(int key, const std::uint8_t *entry, const std::uint8_t *body);

// Hands DeviceProtocolData whole to the device, without asking whether it
// is online, and only once the record holds the current device's settings.
// The record stays locked until the library has it, so a record the device
// event thread publishes meanwhile is never overwritten by an older one.
bool sendWholeRecord();
