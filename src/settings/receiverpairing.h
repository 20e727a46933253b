#pragma once

class QWidget;

// Entry points of the receiver pairing that the device-selection page, the
// top-level window and the settings page start.

// How a pairing dialog ended.
enum class PairingOutcome {
    // The program ended while it was open: nothing may start to talk to the
    // devices any more.
    ProgramEnded,
    NotPaired,
    // The receiver now reaches the mouse that waited to be paired.
    Paired,
};

// Runs the pairing dialog modally, centred on `reference` and moved by
// (dx, dy), for the target that g_matchOpen and g_matchTargetPath name, or
// on the configuration frame the chosen device; returns when it closes.
// Closing it registers the selection page's hot-plug callback again.
PairingOutcome runPairingDialog(QWidget *reference, int dx = 0, int dy = 0);

// Pairs the chosen device's receiver from the configuration frame. Then the
// device page watches the devices and talks to the chosen one again,
// whatever became of the pairing; after a pairing that paired, the
// receiver's new mouse is opened as its tile would open it, so its own
// record and versions fill every page and nothing of the previous mouse's
// record is written to it.
void pairChosenReceiver(QWidget *reference, int dx = 0, int dy = 0);

// Asks whether the mouse should be paired again, centred on `reference`;
// true when the user agreed.
bool askRePair(QWidget *reference);
