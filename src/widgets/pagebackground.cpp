#include "pagebackground.h"

QString pageBackgroundStyle(const QString &selector, const QString &picturePath)
{
    return QStringLiteral("%1{border-image: url(%2) 1 1 1 1 stretch stretch; border-width: 1px;}")
        .arg(selector, picturePath);
}
