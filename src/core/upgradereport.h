#pragma once

#include <QByteArray>

// The device library reports a firmware upgrade from a thread of its own
// (see UpgradeCallback in HIDUsb.h). Hands the report's three bytes, copied,
// to `handle` on the GUI thread, where the upgrade's state lives; nothing
// is handed over for a null report or once the application is gone.
void postUpgradeReport(const unsigned char *report, void (*handle)(const QByteArray &report));
