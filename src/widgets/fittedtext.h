#pragma once

#include <QString>

class QLabel;

// Shows `text` on one line in `label`, whose width its form fixes: a text
// too long for it ends in an ellipsis, and the label's tooltip then starts
// with the whole text. `toolTip` is the label's own tooltip, shown after it.
void setFittedText(QLabel *label, const QString &text, const QString &toolTip = QString());
