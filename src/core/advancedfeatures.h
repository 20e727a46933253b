#pragma once

#include <QString>
#include <QStringList>

// The receiver features a model's "Adveanced" list in Config.ini grants:
// item 0 long-range mode, item 1 the receiver's LED indicator. An item of
// "-1" means the model lacks the feature; so does an item the list does
// not hold.
struct AdvancedFeatures
{
    bool longRange = false;
    bool receiverLed = false;

    static AdvancedFeatures fromList(const QStringList &items);
    // The list of a "Drive" group, read afresh.
    static AdvancedFeatures ofModel(const QString &driveGroup);
    // The list of the chosen device's model.
    static AdvancedFeatures ofCurrentDevice();

    // The chosen device shows the receiver's LED indicator: a 4000 Hz
    // receiver, the mouse not on its cable, of a model with the feature.
    static bool currentDeviceHasReceiverLed();
};
