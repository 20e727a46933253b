#pragma once

#include <QString>

#include <atomic>

// Process-wide state that the pages own and the device link reads or
// writes. The device worker and the library's threads touch it too, hence
// atomics. The pages set most of it; the defaults hold until they do.

// The key-assignment and sensor pages are filling their controls from a
// received record: the senders then stay silent when the device is offline.
extern std::atomic<bool> g_buttonUiFilling;
extern std::atomic<bool> g_sensorUiFilling;
// The mouse lighting page is filling its controls from a record or resetting
// them: its handlers then send nothing.
extern std::atomic<bool> g_lightUiFilling;

// The pages have applied the record of the last full read.
extern std::atomic<bool> g_buttonUiApplied;
extern std::atomic<bool> g_sensorUiApplied;

// 1 while the configuration frame shows an opened device, 0 on the
// device-selection page.
extern std::atomic<int> g_devicePageState;

// Pages send settings and check the device only while this is set.
extern std::atomic<bool> g_deviceUiLive;

// A profile import is running.
extern std::atomic<bool> g_importActive;

// Cleared while a firmware upgrade runs, when devices vanish and come back.
extern std::atomic<bool> g_hotplugEnabled;

// The settings page is busy with a firmware update check.
extern std::atomic<bool> g_updateCheckBusy;

// A receiver or a mouse firmware image newer than the device exists.
extern std::atomic<bool> g_receiverUpdateAvailable;
extern std::atomic<bool> g_mouseUpdateAvailable;

// The firmware repair dialog is shown.
extern std::atomic<bool> g_repairDialogVisible;

// The macro page records from the keyboard: the top-level window then
// ignores every key.
extern std::atomic<bool> g_macroRecording;

// A firmware upgrade or repair runs.
extern std::atomic<bool> g_upgradeRunning;

// The program ends (the window's quit began): the pages' waits end at once
// and no dialog shows any more (endWaitsForQuit).
extern std::atomic<bool> g_programEnding;

// The firmware warning in the current language, kept current by the
// settings page and shown by the windows that decide an update is needed.
// GUI thread only.
extern QString g_updateWarningText;
