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
        widget->setStyleSheet(sheet);
        return;
    }
    for (auto &waiting : m_waiting) {
        if (waiting.first == widget) {
            waiting.second = sheet;
            return;
        }
    }
    m_waiting.append({widget, sheet});
}

bool DeferredSkin::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_page && event->type() == QEvent::Show && !m_shown) {
        m_shown = true;
        m_page->removeEventFilter(this);
        for (const auto &waiting : qAsConst(m_waiting)) {
            if (waiting.first)
                waiting.first->setStyleSheet(waiting.second);
        }
        m_waiting.clear();
    }
    return QObject::eventFilter(watched, event);
}
