#pragma once

#include "macroitem.h"

#include <QObject>
#include <QSet>

#include <functional>
#include <memory>
#include <optional>

class ElapsedClock;
class KeyboardCapture;

// Records the keys typed while a window of the program is active: each
// press and release of a named key becomes a key item, and the time between
// two keys a delay item before the second, measured or fixed. A held key's
// repeated presses count once. It stops by itself at the most keys a device
// macro holds. Sets g_macroRecording while it listens.
class MacroRecorder : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxKeys = 70;

    // `fixedDelay` gives the delay to record between keys, or none to
    // record the time that passed; it is asked at every key.
    using FixedDelay = std::function<std::optional<std::uint32_t>()>;

    MacroRecorder(const ElapsedClock &clock, FixedDelay fixedDelay, QObject *parent = nullptr);
    ~MacroRecorder() override;

    void start();
    void stop();

signals:
    void recorded(const MacroItem &item);
    // The last key fit: the recording has stopped. Delivered after the key
    // event is handled, so a dialog it opens does not run inside the capture.
    void limitReached();

private:
    void UpdateCapslockTip(int keyCode, bool downOrUp);
    bool isRepeat(int keyCode, bool down);
    void recordDelay();

    const ElapsedClock &m_clock;
    FixedDelay m_fixedDelay;
    std::unique_ptr<KeyboardCapture> m_capture;
    QSet<int> m_heldKeys;
    qint64 m_lastKeyTime = 0;
    bool m_firstKeyPending = false;
    int m_keyCount = 0;
};
