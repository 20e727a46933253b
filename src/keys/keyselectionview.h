#pragma once

#include <QString>
#include <QVector>

class QAbstractButton;
class QScrollArea;
class QToolButton;
class QWidget;

namespace Ui {
class Buttoninterface;
}

// A key's binding as selecting the key shows it.
struct ShownBinding
{
    int type;
    int code;
    // Type 5: the low byte of the consumer usage of the first step, -1 when
    // the step is not a consumer one.
    int consumerLowByte;
    // Type 10: the DPI the code locks.
    int lockedDpi;
    // Type 6: the key's caption, which names the macro.
    QString caption;
};

// A list scrolled so that a row shows.
struct ListScroll
{
    QScrollArea *list;
    int row;
};

// What selecting a key shows: the function page of its binding (none for
// an unknown type: the stacks stay as they are), the category and function
// buttons to check (none: their group keeps its check) and where the lists
// scroll to.
struct KeySelectionView
{
    QWidget *page = nullptr;
    QAbstractButton *category = nullptr;
    QAbstractButton *function = nullptr;
    QVector<ListScroll> scrolls;
};

// `macroButtons` and the macro caption prefix find the macro a key's
// caption names.
KeySelectionView keySelectionView(const Ui::Buttoninterface &ui, const QVector<QToolButton *> &macroButtons,
                                  const QString &macroCaptionPrefix, const ShownBinding &binding);
