#pragma once

#include <QPointer>

#include <functional>
#include <memory>

class KeyboardCaptureFilter;

// What a Windows keyboard hook is told about a key: a key pressed or released
// while Alt is held arrives as a system key.
enum class KeyMessage {
    KeyDown,
    KeyUp,
    SystemKeyDown,
    SystemKeyUp,
};

// Tells a window about every key typed while a window of the program is
// active, before the key reaches its widget, and passes the key on. Each
// window installs its own capture, which keeps its own memory of the last
// key, as each window would keep its own hook on the desktop.
// GUI thread only.
class KeyboardCapture
{
public:
    // The Windows virtual-key code, whether the key went down, and whether it
    // is the same key as the event before (a held key's auto-repeat; a
    // release forgets the key).
    using Callback = std::function<void(int virtualKey, bool down, bool repeat)>;

    // How a system key moves the down flag; the windows differ here.
    enum class SystemKeys {
        // The flag stays as the last plain key left it.
        KeepDownFlag,
        // A press sets it and a release clears it, but a release keeps the key
        // in memory, so pressing it again counts as a repeat.
        PressAndRelease,
    };

    static std::unique_ptr<KeyboardCapture> install(Callback callback, SystemKeys systemKeys);

    KeyboardCapture(const KeyboardCapture &) = delete;
    KeyboardCapture &operator=(const KeyboardCapture &) = delete;
    ~KeyboardCapture();

    // Stops the reports at once, also from inside the callback; the capture
    // is never called again. Safe to repeat.
    void remove();
    bool isInstalled() const;

private:
    friend class KeyboardCaptureFilter;

    KeyboardCapture(Callback callback, SystemKeys systemKeys);
    void receive(int virtualKey, KeyMessage message);
    void remember(int virtualKey, KeyMessage message);

    Callback m_callback;
    SystemKeys m_systemKeys;
    QPointer<KeyboardCaptureFilter> m_filter;
    quint64 m_id = 0;
    int m_lastKey = 0;
    bool m_down = false;
    bool m_repeat = false;
};
