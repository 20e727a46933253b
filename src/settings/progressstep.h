#pragma once

// What the hub's SigProgress(schedue, Discrib) tells the update dialog in
// `Discrib`: both firmware runs drive it, the update from the settings page
// and the repair from the selection page.
enum ProgressStep {
    ShowProgress = 0, // `schedue` percent written
    ShowFailure = 1,
    ShowSuccess = 2,
    // 3 and 4 hide the cancel button, 4 empties the bar as well.
    // Stopped half-way: the update found no mouse on its cable to write.
    ShowHalfDone = 5,
    // The repair's failure, without the confirm button.
    ShowRepairFailure = 6,
    // The repair wrote the receiver; the mouse waits for its image still.
    ShowRepairHalfDone = 7,
};
