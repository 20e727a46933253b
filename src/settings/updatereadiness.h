#pragma once

#include <QString>

// Whether the devices the device page lists and the images beside the
// program allow a firmware update, and with what. Two devices, a receiver
// and its mouse on the cable, are updated to the images that differ from
// their versions; a single device is repaired after the failed update the
// registry records. Loads the image it looked at last into
// FirmwareImageList and notes whether a mouse update waits. GUI thread
// only.
struct UpdateReadiness
{
    bool ready = false;
    // Why not, in the current language.
    QString message;
    // The receiver class (1, 2, 4 or 8) the update is for, 0 for none.
    int receiverClass = 0;
    // A failed mouse update waits to be repaired.
    bool mouseRepairPending = false;
    QString receiverIdent;
    // How many images the update writes, 0 when the check did not count.
    int imageCount = 0;
    // Neither image differs from the devices' versions.
    bool nothingNewer = false;

    static UpdateReadiness check(const QString &receiverVersion, const QString &mouseVersion);

private:
    void checkPair(const QString &receiverVersion, const QString &mouseVersion);
    void checkFailedUpdate(const QString &receiverVersion, const QString &mouseVersion);
    void checkCrowd();
    void refuse(int textPosition);
};
