#include "deferredskin.h"

#include <QEvent>
#include <QWidget>

DeferredSkin::DeferredSkin(QWidget *page)
    : QObject(page)
    , m_page(page)
    , m_shown(page->isVisible())
{
    if (!m_shown)
        page->installEventFilter(this);
}

void DeferredSkin::setStyleSheet(QWidget *widget, const QString &sheet)
{
    if (m_shown) {
        // Setting the same sheet again would still restyle every child.
        if (widget->styleSheet() != sheet)
            widget->setStyleSheet(sheet);
        return;
    }
    for (Waiting &waiting : m_waiting) {
        if (waiting.widget == widget) {
            waiting = {widget, sheet, widget->styleSheet()};
            return;
        }
    }
    m_waiting.append({widget, sheet, widget->styleSheet()});
}

bool DeferredSkin::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_page && event->type() == QEvent::Show && !m_shown) {
        m_shown = true;
        m_page->removeEventFilter(this);
        for (const Waiting &waiting : qAsConst(m_waiting)) {
            if (waiting.widget && waiting.widget->styleSheet() == waiting.replaced)
                waiting.widget->setStyleSheet(waiting.sheet);
        }
        m_waiting.clear();
    }
    return QObject::eventFilter(watched, event);
}
