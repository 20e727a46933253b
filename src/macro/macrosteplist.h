#pragma once

#include "macroitem.h"

#include <QMetaType>
#include <QVector>

class QListWidget;

// The macro page's step list: one row per macro item, showing its text and
// picture and keeping the item itself, so what is saved or sent is the kind
// and code of each step, never a name read back from the screen. The
// editing rules keep keys and delays alternating in a list that already
// alternates and starts with a key; every delay they add reads 10 ms. A row
// keeps its item under Qt::UserRole.
class MacroStepList
{
public:
    static constexpr std::uint32_t DefaultDelay = 10;

    explicit MacroStepList(QListWidget *list);

    QVector<MacroItem> items() const;
    void show(const QVector<MacroItem> &items);
    void clear();
    int count() const;
    int current() const;
    MacroItem at(int row) const;
    // Changes a row in place; it stays where it is and keeps the current row.
    void setAt(int row, const MacroItem &item);
    // The item texts again, after a language switch renamed mouse buttons.
    void retext();

    // Recording: a key becomes the current row; a delay leaves the row
    // before it current, so the current row follows the last key.
    void appendKey(const MacroItem &key);
    void appendDelay(std::uint32_t milliseconds);

    // A key press or release with its delay, placed after the current step.
    void insertKey(const MacroItem &key);
    // A mouse button's press and release, each with its delay.
    void insertMouseClick(int buttonCode);
    // Sets the delay before the current key, or the current delay; at the
    // first row it changes nothing, with no current row it appends.
    void setDelayAtCurrent(std::uint32_t milliseconds);
    // Removes the current step with its delay; a list of three rows or fewer
    // is emptied whatever is current. False when nothing was removed.
    bool removeCurrentStep();

private:
    bool isDelay(int row) const;
    void insertRun(int row, const QVector<MacroItem> &items);
    void replace(int row, const MacroItem &item);

    QListWidget *m_list;
};

Q_DECLARE_METATYPE(MacroItem)
