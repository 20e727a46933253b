#include "dialogplacement.h"

#include <QWidget>

void placeDialog(QWidget *dialog, const QWidget *reference, int dx, int dy)
{
    const QPoint topLeft = reference->mapToGlobal(QPoint(0, 0));
    dialog->move(topLeft.x() + (reference->width() - dialog->width()) / 2 + dx,
                 topLeft.y() + (reference->height() - dialog->height()) / 2 + dy);
}
