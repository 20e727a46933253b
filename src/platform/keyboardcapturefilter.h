#pragma once

#include "keyboardcapture.h"
#include "virtualkeycodes.h"

#include <QEvent>
#include <QMap>
#include <QObject>

class QKeyEvent;

// The one application-wide event filter behind every KeyboardCapture. It
// reports each key event once, at its first delivery, to the captures
// installed when the event came, and never keeps an event from its widget.
class KeyboardCaptureFilter : public QObject
{
    Q_OBJECT
public:
    static KeyboardCaptureFilter *instance();

    quint64 add(KeyboardCapture *capture);
    void forget(quint64 id);

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override;

private:
    explicit KeyboardCaptureFilter(QObject *parent);
    bool isFirstDelivery(const QObject *receiver, const QKeyEvent *event);
    void report(const QKeyEvent &event);

    const NativeKeyCodes m_native;
    QMap<quint64, KeyboardCapture *> m_captures;
    quint64 m_lastId = 0;
    // An event the platform gave a window, which the window hands on to its
    // focus widget still marked as spontaneous.
    struct WindowDelivery
    {
        const QEvent *event = nullptr;
        QEvent::Type type = QEvent::None;
    };
    WindowDelivery m_windowDelivery;
};
