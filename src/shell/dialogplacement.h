#pragma once

class QWidget;

// Centres `dialog` on `reference` in global coordinates, each halving
// truncated toward zero, then shifts it by (dx, dy). Callers place a dialog
// this way just before they run it.
void placeDialog(QWidget *dialog, const QWidget *reference, int dx = 0, int dy = 0);
