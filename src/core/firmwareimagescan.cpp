#include "firmwareimagescan.h"

// Answers "no update" until the scan of the "bin" folder replaces these bodies.
bool checkFirmwareFile(int, const QString &, const QString &, int, int)
{
    return false;
}

bool findFirmwareFiles(int, const QString &, const QString &, int, int)
{
    return false;
}

bool readVersionInfo(int, const QString &, int)
{
    return false;
}
