#pragma once

// The desktop's own mouse settings: the first settings program of the
// common desktops that the search path holds, started on its own.
class DesktopMouseSettings
{
public:
    // False when no such program is present or it cannot be started.
    static bool open();
};
