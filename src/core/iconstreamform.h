#pragma once

#include <QString>

class QDataStream;

// The form Qt gives an icon in a data stream (version 17), written and
// passed over without Qt Gui: exchanged macros carry an icon per item.

// Writes an icon that names its picture file instead of carrying the
// picture's pixels; Qt loads the picture from that path when it reads the
// icon.
void writeIconForm(QDataStream &out, const QString &picturePath);

// Reads past one icon, pictures included. False, with the stream's status
// set, for a damaged icon or one whose form only a Qt plug-in knows.
bool skipIconForm(QDataStream &in);
