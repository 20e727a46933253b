#pragma once

#include "guarded.h"

#include <QMetaType>

#include <atomic>
#include <cstddef>
#include <cstdint>

// The mouse's whole stored configuration as one fixed block of bytes. The
// layout is shared with the vendor library, the device cache files and the
// exported profiles, so every field sits at a fixed offset (checked below)
// and multi-byte numbers are little-endian. Counts and indexes read from a
// record go through the clamping accessors before they index anything: the
// bytes come from devices and files.

#pragma pack(push, 1)

// One press or release of a key sequence or macro.
struct KeyStep
{
    enum Action : std::uint8_t { Press = 0, Release = 1 };
    enum Kind : std::uint8_t { Modifier = 0, Key = 1, Consumer = 2, MouseButton = 4 };

    std::uint8_t action;
    std::uint8_t kind;
    std::uint8_t codeBytes[2];
    std::uint8_t delayBytes[4];

    std::uint16_t code() const;
    void setCode(std::uint16_t code);
    std::uint32_t delay() const;
    void setDelay(std::uint32_t milliseconds);
};

// The key sequence a key of type 5 plays.
struct KeyData
{
    static constexpr int MaxSteps = 6;

    std::uint8_t stepCountByte;
    std::uint8_t reserved[3];
    KeyStep steps[MaxSteps];

    int stepCount() const;
};

// The macro a key of type 6 plays: its name and up to 70 steps.
struct KeyMacro
{
    static constexpr int MaxNameLength = 30;
    static constexpr int MaxSteps = 70;

    std::uint8_t nameLengthByte;
    std::uint8_t name[MaxNameLength];
    std::uint8_t stepCountByte;
    KeyStep steps[MaxSteps];

    int nameLength() const;
    int stepCount() const;
};

// Binding of one key: type, code, parameter.
struct KeyFunction
{
    std::uint8_t type;
    std::uint8_t code;
    std::uint8_t param;
};

// One DPI level: step codes, flags and the indicator colour.
struct DPIGrade
{
    std::uint8_t x;
    std::uint8_t y;
    std::uint8_t flags;
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

struct FlashDataMap
{
    static constexpr int KeyCount = 16;
    static constexpr int DpiLevelCount = 8;

    std::uint8_t ReportRate;
    std::uint8_t DPIGradeCount;
    std::uint8_t CurrentDPIGrade;
    std::uint8_t Reserved3;
    std::uint8_t Reserved4;
    std::uint8_t LOD;
    std::uint8_t DebounceTime;
    std::uint8_t MotionSync;
    std::uint8_t SleepTime;
    std::uint8_t StraightLine;
    std::uint8_t RippeControl;
    std::uint8_t LightOffMoving;
    std::uint8_t Performance;
    std::uint8_t PerformanceTime;
    std::uint8_t ModelChoose;
    DPIGrade DPIGrades[DpiLevelCount];
    std::uint8_t DPILedMode;
    std::uint8_t DPILedBrightness;
    std::uint8_t DPILedSpeed;
    std::uint8_t DPILedEnable;
    std::uint8_t LightMode;
    std::uint8_t LightR;
    std::uint8_t LightG;
    std::uint8_t LightB;
    std::uint8_t LightSpeed;
    std::uint8_t LightBrightness;
    std::uint8_t LightEnable;
    KeyFunction KeyFunctions[KeyCount];
    std::uint8_t Alignment[2];
    KeyData KeyDatas[KeyCount];
    KeyMacro KeyMacros[KeyCount];

    // The active DPI level, or -1 when the byte names no level.
    int currentDpiLevel() const;
    // The levels in use, 1 to 8.
    int dpiLevelCount() const;
    // The macro block of a key; null for an index the record has no key for.
    const KeyMacro *keyMacro(int key) const;

    std::uint8_t *bytes() { return reinterpret_cast<std::uint8_t *>(this); }
    const std::uint8_t *bytes() const { return reinterpret_cast<const std::uint8_t *>(this); }
};

#pragma pack(pop)

static_assert(sizeof(KeyStep) == 8, "KeyStep is 8 bytes");
static_assert(sizeof(KeyData) == 52, "KeyData is 52 bytes");
static_assert(sizeof(KeyMacro) == 592, "KeyMacro is 592 bytes");
static_assert(sizeof(DPIGrade) == 6, "DPIGrade is 6 bytes");
static_assert(sizeof(FlashDataMap) == 10428, "FlashDataMap is 10,428 bytes");
static_assert(offsetof(KeyStep, codeBytes) == 2 && offsetof(KeyStep, delayBytes) == 4, "KeyStep layout");
static_assert(offsetof(KeyData, steps) == 4, "KeyData steps start at byte 4");
static_assert(offsetof(KeyMacro, name) == 1 && offsetof(KeyMacro, stepCountByte) == 31
                  && offsetof(KeyMacro, steps) == 32, "KeyMacro layout");
static_assert(offsetof(FlashDataMap, ReportRate) == 0, "record layout");
static_assert(offsetof(FlashDataMap, DPIGradeCount) == 1, "record layout");
static_assert(offsetof(FlashDataMap, CurrentDPIGrade) == 2, "record layout");
static_assert(offsetof(FlashDataMap, Reserved3) == 3, "record layout");
static_assert(offsetof(FlashDataMap, Reserved4) == 4, "record layout");
static_assert(offsetof(FlashDataMap, LOD) == 5, "record layout");
static_assert(offsetof(FlashDataMap, DebounceTime) == 6, "record layout");
static_assert(offsetof(FlashDataMap, MotionSync) == 7, "record layout");
static_assert(offsetof(FlashDataMap, SleepTime) == 8, "record layout");
static_assert(offsetof(FlashDataMap, StraightLine) == 9, "record layout");
static_assert(offsetof(FlashDataMap, RippeControl) == 10, "record layout");
static_assert(offsetof(FlashDataMap, LightOffMoving) == 11, "record layout");
static_assert(offsetof(FlashDataMap, Performance) == 12, "record layout");
static_assert(offsetof(FlashDataMap, PerformanceTime) == 13, "record layout");
static_assert(offsetof(FlashDataMap, ModelChoose) == 14, "record layout");
static_assert(offsetof(FlashDataMap, DPIGrades) == 15, "record layout");
static_assert(offsetof(FlashDataMap, DPILedMode) == 63, "record layout");
static_assert(offsetof(FlashDataMap, DPILedBrightness) == 64, "record layout");
static_assert(offsetof(FlashDataMap, DPILedSpeed) == 65, "record layout");
static_assert(offsetof(FlashDataMap, DPILedEnable) == 66, "record layout");
static_assert(offsetof(FlashDataMap, LightMode) == 67, "record layout");
static_assert(offsetof(FlashDataMap, LightR) == 68, "record layout");
static_assert(offsetof(FlashDataMap, LightG) == 69, "record layout");
static_assert(offsetof(FlashDataMap, LightB) == 70, "record layout");
static_assert(offsetof(FlashDataMap, LightSpeed) == 71, "record layout");
static_assert(offsetof(FlashDataMap, LightBrightness) == 72, "record layout");
static_assert(offsetof(FlashDataMap, LightEnable) == 73, "record layout");
static_assert(offsetof(FlashDataMap, KeyFunctions) == 74, "record layout");
static_assert(offsetof(FlashDataMap, Alignment) == 122, "record layout");
static_assert(offsetof(FlashDataMap, KeyDatas) == 124, "record layout");
static_assert(offsetof(FlashDataMap, KeyMacros) == 956, "record layout");

Q_DECLARE_METATYPE(FlashDataMap)

// The one process-wide record, the program's picture of the device: the
// device event thread publishes whole records while the GUI thread patches
// single fields, so it is reached only through copies under a short lock.
extern Guarded<FlashDataMap> DeviceProtocolData;

// Set once DeviceProtocolData holds what the current device delivered (its
// full read or an imported profile), cleared when the current device
// changes. Until then the record holds zeros or another device's settings,
// and nothing may write it to the device.
extern std::atomic<bool> g_deviceRecordLoaded;
