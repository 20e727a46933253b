#pragma once

class QWidget;

// Entry points of the firmware upgrade and repair that the device-selection
// page and the top-level window start. The repair dialog comes with the
// settings page's firmware flow; until then these entry points start
// nothing.

// Starts upgrading the firmware in a repair dialog of its own, centred on
// `reference`, and runs it modally.
void runFirmwareUpgrade(QWidget *reference);

// Shows the shared repair dialog centred on `reference`, back in its first
// view and modal, and starts its repair check; returns at once.
void openRepairDialog(QWidget *reference);
