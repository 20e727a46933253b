#include "keyboardcapture.h"

#include "keyboardcapturefilter.h"

std::unique_ptr<KeyboardCapture> KeyboardCapture::install(Callback callback, SystemKeys systemKeys)
{
    std::unique_ptr<KeyboardCapture> capture(new KeyboardCapture(std::move(callback), systemKeys));
    capture->m_filter = KeyboardCaptureFilter::instance();
    capture->m_id = capture->m_filter->add(capture.get());
    return capture;
}

KeyboardCapture::KeyboardCapture(Callback callback, SystemKeys systemKeys)
    : m_callback(std::move(callback))
    , m_systemKeys(systemKeys)
{
}

KeyboardCapture::~KeyboardCapture()
{
    remove();
}

void KeyboardCapture::remove()
{
    if (m_filter)
        m_filter->forget(m_id);
    m_filter = nullptr;
}

bool KeyboardCapture::isInstalled() const
{
    return !m_filter.isNull();
}

void KeyboardCapture::receive(int virtualKey, KeyMessage message)
{
    remember(virtualKey, message);
    // The callback may remove or even delete this capture: nothing of it is
    // touched once the callback runs.
    const Callback callback = m_callback;
    if (callback)
        callback(virtualKey, m_down, m_repeat);
}

void KeyboardCapture::remember(int virtualKey, KeyMessage message)
{
    m_repeat = virtualKey == m_lastKey;
    m_lastKey = virtualKey;
    switch (message) {
    case KeyMessage::KeyDown:
        m_down = true;
        break;
    case KeyMessage::KeyUp:
        m_down = false;
        m_repeat = false;
        m_lastKey = 0;
        break;
    case KeyMessage::SystemKeyDown:
        if (m_systemKeys == SystemKeys::PressAndRelease)
            m_down = true;
        break;
    case KeyMessage::SystemKeyUp:
        if (m_systemKeys == SystemKeys::PressAndRelease)
            m_down = false;
        break;
    }
}
