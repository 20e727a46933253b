#include "advancedfeatures.h"

#include "configinistore.h"
#include "deviceallinfo.h"

namespace {

// The receiver kind whose LED indicator can be set.
constexpr int FourKiloHertzReceiver = 1;

} // namespace

AdvancedFeatures AdvancedFeatures::fromList(const QStringList &items)
{
    const auto granted = [&items](int index) {
        return items.value(index, QStringLiteral("-1")).trimmed() != QLatin1String("-1");
    };
    AdvancedFeatures features;
    features.longRange = granted(0);
    features.receiverLed = granted(1);
    return features;
}

AdvancedFeatures AdvancedFeatures::ofModel(const QString &driveGroup)
{
    return fromList(ConfigIniStore::instance()->valueList(driveGroup, QStringLiteral("Adveanced")));
}

AdvancedFeatures AdvancedFeatures::ofCurrentDevice()
{
    return ofModel(CurrentDevice.get().driveGroup());
}

bool AdvancedFeatures::currentDeviceHasReceiverLed()
{
    const DeviceAllInfo device = CurrentDevice.get();
    return !device.isWired && device.kind == FourKiloHertzReceiver && ofModel(device.driveGroup()).receiverLed;
}
