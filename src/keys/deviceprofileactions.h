#pragma once

class MyConmboBox;
class QWidget;

// What the key page's profile controls do to the device's settings as a
// whole. Each first asks whether the device answers and, when it does not,
// tells the user through the hub and does nothing else. The dialogs they
// run are placed on `page`.

// Imports the profile file the user picks, through the settings-update wait.
void runProfileImport(QWidget *page);

// Asks, then restores the device's defaults and waits while it is read again.
void runDeviceReset(QWidget *page);

// Makes the configuration `index` the device's active one, which the device
// answers by being read again. Offline, the selector goes back to what it
// showed before the user opened it.
void switchActiveConfiguration(MyConmboBox *selector, int index);
