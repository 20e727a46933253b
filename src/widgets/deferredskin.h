#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

class QWidget;

// The style sheets of a page or window that is built long before it is
// shown. Qt decodes every picture a sheet names as soon as it first styles
// the widget: at once for frames, labels and buttons, and for every other
// widget when the window around it is shown, hidden or not. So such a page
// hands its sheets to a DeferredSkin, which sets them when the page is first
// shown; from then on a sheet is set at once.
class DeferredSkin : public QObject
{
public:
    // Owned by `page`.
    explicit DeferredSkin(QWidget *page);

    // A later sheet for the same widget replaces one still waiting, and so
    // does a sheet set on the widget directly in the meantime.
    void setStyleSheet(QWidget *widget, const QString &sheet);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Waiting
    {
        QPointer<QWidget> widget;
        QString sheet;
        // The widget's own sheet when this one was handed over.
        QString replaced;
    };

    QWidget *const m_page;
    bool m_shown;
    QVector<Waiting> m_waiting;
};
