#include "keyboardcapturefilter.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>

namespace {

// Platforms differ in whether Alt's own events carry the Alt modifier; as on
// Windows, a pressed Alt is held and a released one no longer is.
bool altHeld(const QKeyEvent &event)
{
    if (event.key() == Qt::Key_Alt)
        return event.type() == QEvent::KeyPress;
    return event.modifiers().testFlag(Qt::AltModifier);
}

KeyMessage messageOf(const QKeyEvent &event)
{
    const bool press = event.type() == QEvent::KeyPress;
    if (altHeld(event))
        return press ? KeyMessage::SystemKeyDown : KeyMessage::SystemKeyUp;
    return press ? KeyMessage::KeyDown : KeyMessage::KeyUp;
}

} // namespace

KeyboardCaptureFilter *KeyboardCaptureFilter::instance()
{
    static QPointer<KeyboardCaptureFilter> filter;
    if (!filter) {
        Q_ASSERT(qobject_cast<QGuiApplication *>(QCoreApplication::instance()));
        filter = new KeyboardCaptureFilter(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(filter);
    }
    return filter;
}

KeyboardCaptureFilter::KeyboardCaptureFilter(QObject *parent)
    : QObject(parent)
    , m_native(nativeKeyCodesOfPlatform())
{
}

quint64 KeyboardCaptureFilter::add(KeyboardCapture *capture)
{
    m_captures.insert(++m_lastId, capture);
    return m_lastId;
}

void KeyboardCaptureFilter::forget(quint64 id)
{
    m_captures.remove(id);
}

bool KeyboardCaptureFilter::eventFilter(QObject *receiver, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    // Windows repeats only the press of a held key.
    const bool repeatedRelease = key->type() == QEvent::KeyRelease && key->isAutoRepeat();
    // Only while a window of the program has the keyboard: keys typed into
    // other programs are theirs.
    if (isFirstDelivery(receiver, key) && !repeatedRelease && QGuiApplication::focusWindow()) {
        // A callback may run a modal loop whose keys pass through here while
        // this event still waits to be handed on to its widget.
        const WindowDelivery pending = m_windowDelivery;
        report(*key);
        m_windowDelivery = pending;
    }
    return false;
}

// The application sees an event again for every widget it travels to. Qt
// marks the parents' deliveries as not spontaneous, like events sent by the
// program itself, which no keyboard typed either.
bool KeyboardCaptureFilter::isFirstDelivery(const QObject *receiver, const QKeyEvent *event)
{
    if (!event->spontaneous())
        return false;
    const bool handedOn = !receiver->isWindowType() && event == m_windowDelivery.event
                          && event->type() == m_windowDelivery.type;
    m_windowDelivery = {receiver->isWindowType() ? event : nullptr, event->type()};
    return !handedOn;
}

void KeyboardCaptureFilter::report(const QKeyEvent &event)
{
    const int virtualKey = windowsVirtualKey(event, m_native);
    const KeyMessage message = messageOf(event);
    // A callback may remove captures, its own included, or install new ones;
    // only those still installed hear the key, and none added for it. Like a
    // hook chain, the newest capture hears it first.
    const QList<quint64> ids = m_captures.keys();
    for (auto id = ids.crbegin(); id != ids.crend(); ++id) {
        if (KeyboardCapture *capture = m_captures.value(*id))
            capture->receive(virtualKey, message);
    }
}
