#include "pagestate.h"

std::atomic<bool> g_buttonUiFilling{false};
std::atomic<bool> g_sensorUiFilling{false};
std::atomic<bool> g_lightUiFilling{false};
std::atomic<bool> g_buttonUiApplied{false};
std::atomic<bool> g_sensorUiApplied{false};
std::atomic<int> g_devicePageState{0};
std::atomic<bool> g_deviceUiLive{false};
std::atomic<bool> g_importActive{false};
std::atomic<bool> g_hotplugEnabled{true};
std::atomic<bool> g_updateCheckBusy{false};
std::atomic<bool> g_receiverUpdateAvailable{false};
std::atomic<bool> g_mouseUpdateAvailable{false};
std::atomic<bool> g_repairDialogVisible{false};
std::atomic<bool> g_macroRecording{false};
std::atomic<bool> g_upgradeRunning{false};
QString g_updateWarningText;
