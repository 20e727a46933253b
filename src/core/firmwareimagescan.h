#pragma once

#include <QString>

// Firmware images in the "bin" folder beside the program: kind 210 for the
// mouse, 211 for the receiver.

// True when an image of that kind, customer id, model id and identifier
// carries another version than `version` (or `version` is empty).
bool checkFirmwareFile(int kind, const QString &version, const QString &identifier, int cid, int mid);

// The repair dialog's twin of checkFirmwareFile, with the same arguments
// and answer, keeping the image it finds for the repair.
bool findFirmwareFiles(int kind, const QString &version, const QString &identifier, int cid, int mid);

// The check for the current model: the identifier comes from Config.ini,
// by kind and, for 211, by receiver class (1, 2, 4 or 8).
bool readVersionInfo(int kind, const QString &version, int receiverClass);
