#pragma once

class QWidget;

// Entry points of the receiver pairing that the device-selection page, the
// top-level window and the settings page start.

// Runs the pairing dialog modally, centred on `reference` and moved by
// (dx, dy), for the target that g_matchOpen and g_matchTargetPath name, or
// on the configuration frame the chosen device; returns when it closes.
// Closing it registers the selection page's hot-plug callback again. False
// when it did not close but the program ended under it: nothing may start
// to talk to the devices any more.
bool runPairingDialog(QWidget *reference, int dx = 0, int dy = 0);

// Asks whether the mouse should be paired again, centred on `reference`;
// true when the user agreed.
bool askRePair(QWidget *reference);
