#pragma once

#include "sensorcapabilities.h"

#include <QBuffer>

// The capability reader's result for a file holding `text`, read in text
// mode as the program reads the real one.
inline SensorCapabilities capabilitiesOf(const QByteArray &text)
{
    QByteArray bytes = text;
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    return SensorCapabilities::read(&file);
}
