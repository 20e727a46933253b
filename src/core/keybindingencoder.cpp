#include "keybindingencoder.h"

#include "bindingtype.h"
#include "configurationsenders.h"
#include "dpicodec.h"
#include "keynames.h"

namespace {

constexpr int StepDelay = 10;

// The media functions the page offers, by the usages of the HID consumer page.
const int ConsumerUsages[] = {0x0221, 0x0223, 0x0224, 0x0225, 0x0226, 0x0227, 0x022A, 0x0183, 0x018A,
                              0x0192, 0x0194, 0x00B5, 0x00B6, 0x00B7, 0x00CD, 0x00E2, 0x00E9, 0x00EA};

bool isPageKey(int key)
{
    return key >= 0 && key < PageKeyCount;
}

bool sendKeySequence(int key, const KeyData &data)
{
    const std::uint8_t entry[3] = {KeySequence, 0, 0};
    return setKeyFunctionPayload(key, entry, reinterpret_cast<const std::uint8_t *>(&data));
}

// A lock's code is what a DPI level of the sensor stores in its smallest
// unit, so that both pages send one DPI the same way.
DpiCodec lockCodec(const SensorCapabilities &capabilities, const QString &sensorId)
{
    return DpiCodec(sensorId, DpiRange(), capabilities);
}

} // namespace

int consumerUsageFromLowByte(int lowByte)
{
    for (const int usage : ConsumerUsages) {
        if ((usage & 0xFF) == lowByte)
            return usage;
    }
    return 0;
}

KeyData consumerKeyData(int usage)
{
    KeyData data = {};
    data.stepCountByte = 2;
    for (const KeyStep::Action action : {KeyStep::Press, KeyStep::Release}) {
        KeyStep &step = data.steps[action];
        step.action = action;
        step.kind = KeyStep::Consumer;
        step.setCode(std::uint16_t(usage));
        step.setDelay(StepDelay);
    }
    return data;
}

int consumerLowByteOf(const KeyData &data)
{
    return data.steps[0].kind == KeyStep::Consumer ? data.steps[0].code() & 0xFF : -1;
}

bool KeyBindingEncoder(int key, int lowByte)
{
    const int usage = consumerUsageFromLowByte(lowByte);
    return usage != 0 && isPageKey(key) && sendKeySequence(key, consumerKeyData(usage));
}

bool AssignKeyCombination(int key, const QString &text)
{
    return isPageKey(key) && sendKeySequence(key, KeyDataFromCombination(text));
}

int DpiCodeForValue(const SensorCapabilities &capabilities, const QString &sensorId, int dpi)
{
    return lockCodec(capabilities, sensorId).encode(dpi, 0).value;
}

int DpiValueForCode(const SensorCapabilities &capabilities, const QString &sensorId, int code)
{
    return lockCodec(capabilities, sensorId).decode(std::uint8_t(code), 0);
}
