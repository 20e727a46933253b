#include "fittedtext.h"

#include <QLabel>

void setFittedText(QLabel *label, const QString &text, const QString &toolTip)
{
    const int room = label->contentsRect().width() - 2 * label->margin();
    const QString shown = label->fontMetrics().elidedText(text, Qt::ElideRight, room);
    label->setText(shown);
    QString tip = toolTip;
    if (shown != text)
        tip = toolTip.isEmpty() ? text : text + QLatin1Char('\n') + toolTip;
    label->setToolTip(tip);
}
