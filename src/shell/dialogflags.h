#pragma once

#include <Qt>

// The window of the program's dialogs: a sub-window without frame that
// bypasses the window manager, with system menu and minimise hints.
constexpr Qt::WindowFlags dialogWindowFlags = Qt::SubWindow | Qt::BypassWindowManagerHint | Qt::FramelessWindowHint
                                              | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint;
