#pragma once

#include <QString>

// Config.ini values the firmware code reads for the chosen device.

// A value of the chosen device's model group ("Drive" + index + 1).
QString currentModelValue(const QString &key);
// Option/CID as a number.
int configuredCustomerId();
