#include "macrorecorder.h"

#include "elapsedclock.h"
#include "keyboardcapture.h"
#include "keynames.h"
#include "pagestate.h"

MacroRecorder::MacroRecorder(const ElapsedClock &clock, FixedDelay fixedDelay, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_fixedDelay(std::move(fixedDelay))
{
}

// A page taken apart while it records leaves the program not recording.
MacroRecorder::~MacroRecorder()
{
    if (m_capture && m_capture->isInstalled())
        stop();
}

void MacroRecorder::start()
{
    m_keyCount = 0;
    m_heldKeys.clear();
    m_firstKeyPending = true;
    m_capture = KeyboardCapture::install(
        [this](int keyCode, bool down, bool) { UpdateCapslockTip(keyCode, down); },
        KeyboardCapture::SystemKeys::PressAndRelease);
    g_macroRecording = true;
}

void MacroRecorder::stop()
{
    m_capture.reset();
    m_keyCount = 0;
    g_macroRecording = false;
}

void MacroRecorder::UpdateCapslockTip(int keyCode, bool downOrUp)
{
    if (!g_macroRecording || isRepeat(keyCode, downOrUp))
        return;
    recordDelay();
    const std::optional<MacroKey> key = macroKeyOfVirtualKey(keyCode);
    if (!key) {
        // The time before a key without a name stays with the next key.
        m_firstKeyPending = true;
        return;
    }
    emit recorded(MacroItem::key(key->kind, key->code, downOrUp ? KeyStep::Press : KeyStep::Release));
    if (++m_keyCount < MaxKeys)
        return;
    m_capture->remove();
    m_keyCount = 0;
    g_macroRecording = false;
    QMetaObject::invokeMethod(this, &MacroRecorder::limitReached, Qt::QueuedConnection);
}

// Only a held key repeats: a key pressed anew after its release counts,
// whatever other keys came between.
bool MacroRecorder::isRepeat(int keyCode, bool down)
{
    if (!down) {
        m_heldKeys.remove(keyCode);
        return false;
    }
    if (m_heldKeys.contains(keyCode))
        return true;
    m_heldKeys.insert(keyCode);
    return false;
}

void MacroRecorder::recordDelay()
{
    const qint64 now = m_clock.milliseconds();
    if (m_firstKeyPending) {
        m_firstKeyPending = false;
    } else {
        const std::optional<std::uint32_t> fixed = m_fixedDelay();
        emit recorded(MacroItem::pause(fixed ? *fixed : std::uint32_t(now - m_lastKeyTime)));
    }
    m_lastKeyTime = now;
}
