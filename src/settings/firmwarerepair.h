#pragma once

struct DeviceAllInfo;
class QWidget;

// Entry points of the firmware upgrade and repair that the device-selection
// page and the top-level window start.

// Upgrades the firmware of the receiver `device` is linked through in an
// update dialog of its own, centred on `reference`, and runs it modally.
void runFirmwareUpgrade(QWidget *reference, const DeviceAllInfo &device);

// Shows the shared update dialog centred on `reference`, back in its first
// view and modal, and starts its repair check; returns at once.
void openRepairDialog(QWidget *reference);
