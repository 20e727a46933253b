#pragma once

#include <QWidget>

// A named child of a window or page. A missing one ends the test with its
// name, rather than with a crash on the null pointer.
template<typename T = QWidget>
T *child(const QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("%s has no child %s", parent->metaObject()->className(), name);
    return found;
}
