#include "flashdatamap.h"

#include <QtEndian>

#include <algorithm>

std::uint16_t KeyStep::code() const
{
    return qFromLittleEndian<quint16>(codeBytes);
}

void KeyStep::setCode(std::uint16_t code)
{
    qToLittleEndian<quint16>(code, codeBytes);
}

std::uint32_t KeyStep::delay() const
{
    return qFromLittleEndian<quint32>(delayBytes);
}

void KeyStep::setDelay(std::uint32_t milliseconds)
{
    qToLittleEndian<quint32>(milliseconds, delayBytes);
}

int KeyData::stepCount() const
{
    return std::min<int>(stepCountByte, MaxSteps);
}

int KeyMacro::nameLength() const
{
    return std::min<int>(nameLengthByte, MaxNameLength);
}

int KeyMacro::stepCount() const
{
    return std::min<int>(stepCountByte, MaxSteps);
}

int FlashDataMap::currentDpiLevel() const
{
    return CurrentDPIGrade < DpiLevelCount ? CurrentDPIGrade : -1;
}

int FlashDataMap::dpiLevelCount() const
{
    return std::clamp<int>(DPIGradeCount, 1, DpiLevelCount);
}

const KeyMacro *FlashDataMap::keyMacro(int key) const
{
    return key >= 0 && key < KeyCount ? &KeyMacros[key] : nullptr;
}

Guarded<FlashDataMap> DeviceProtocolData;
std::atomic<bool> g_deviceRecordLoaded{false};
