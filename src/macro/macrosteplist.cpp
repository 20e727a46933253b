#include "macrosteplist.h"

#include <QIcon>
#include <QListWidget>

namespace {

constexpr int ItemRole = Qt::UserRole;

// Three pictures serve every row; each row would read its own otherwise.
QIcon pictureOf(const MacroItem &item)
{
    static QHash<QString, QIcon> pictures;
    const QString path = item.picturePath();
    auto picture = pictures.find(path);
    if (picture == pictures.end())
        picture = pictures.insert(path, QIcon(path));
    return *picture;
}

QListWidgetItem *rowOf(const MacroItem &item)
{
    auto *row = new QListWidgetItem(pictureOf(item), item.text());
    row->setData(ItemRole, QVariant::fromValue(item));
    return row;
}

MacroItem delay()
{
    return MacroItem::pause(MacroStepList::DefaultDelay);
}

} // namespace

MacroStepList::MacroStepList(QListWidget *list)
    : m_list(list)
{
}

QVector<MacroItem> MacroStepList::items() const
{
    QVector<MacroItem> items;
    items.reserve(count());
    for (int row = 0; row < count(); ++row)
        items.append(at(row));
    return items;
}

void MacroStepList::show(const QVector<MacroItem> &items)
{
    clear();
    for (const MacroItem &item : items)
        m_list->addItem(rowOf(item));
}

void MacroStepList::clear()
{
    m_list->clear();
}

int MacroStepList::count() const
{
    return m_list->count();
}

int MacroStepList::current() const
{
    return m_list->currentRow();
}

MacroItem MacroStepList::at(int row) const
{
    return m_list->item(row)->data(ItemRole).value<MacroItem>();
}

void MacroStepList::setAt(int row, const MacroItem &item)
{
    QListWidgetItem *shown = m_list->item(row);
    shown->setText(item.text());
    shown->setIcon(pictureOf(item));
    shown->setData(ItemRole, QVariant::fromValue(item));
}

void MacroStepList::retext()
{
    for (int row = 0; row < count(); ++row)
        m_list->item(row)->setText(at(row).text());
}

void MacroStepList::appendKey(const MacroItem &key)
{
    m_list->addItem(rowOf(key));
    m_list->setCurrentRow(count() - 1);
}

void MacroStepList::appendDelay(std::uint32_t milliseconds)
{
    m_list->addItem(rowOf(MacroItem::pause(milliseconds)));
    m_list->setCurrentRow(count() - 2);
}

void MacroStepList::insertKey(const MacroItem &key)
{
    const int row = current();
    if (row == 0)
        insertRun(2, {key, delay()});
    else if (row < 0 || row == count() - 1)
        insertRun(count(), {delay(), key});
    else
        insertRun(isDelay(row) ? row + 1 : row + 2, {key, delay()});
}

void MacroStepList::insertMouseClick(int buttonCode)
{
    const MacroItem press = MacroItem::key(KeyStep::MouseButton, buttonCode, KeyStep::Press);
    const MacroItem release = MacroItem::key(KeyStep::MouseButton, buttonCode, KeyStep::Release);
    const int row = current();
    if (row == 0)
        insertRun(2, {press, delay(), release, delay()});
    else if (row < 0 && count() == 0)
        insertRun(0, {press, delay(), release});
    else if (row < 0 || row == count() - 1)
        insertRun(count(), {delay(), press, delay(), release});
    else if (isDelay(row))
        insertRun(row + 1, {press, delay(), release, delay()});
    else
        insertRun(row + 1, {delay(), press, delay(), release});
}

void MacroStepList::setDelayAtCurrent(std::uint32_t milliseconds)
{
    const MacroItem pause = MacroItem::pause(milliseconds);
    const int row = current();
    if (row < 0) {
        m_list->addItem(rowOf(pause));
    } else if (row > 0 && (isDelay(row) || isDelay(row - 1))) {
        replace(isDelay(row) ? row : row - 1, pause);
    } else if (row > 0) {
        m_list->insertItem(row, rowOf(pause));
        m_list->setCurrentRow(row);
    }
}

bool MacroStepList::removeCurrentStep()
{
    const int row = current();
    const int rows = count();
    if (rows <= 3) {
        clear();
        return rows > 0;
    }
    if (row < 0)
        return false;
    int first = row;
    int removed = 2;
    if (row == rows - 1 || isDelay(row))
        first = row - 1;
    if (first < 0) {
        first = 0;
        removed = 1;
    }
    for (int i = 0; i < removed; ++i)
        delete m_list->takeItem(first);
    m_list->setCurrentRow(qMin(first, count() - 1));
    return true;
}

bool MacroStepList::isDelay(int row) const
{
    return at(row).type == MacroItem::Delay;
}

// Rows past the end mean the end.
void MacroStepList::insertRun(int row, const QVector<MacroItem> &items)
{
    int at = qMin(row, count());
    for (const MacroItem &item : items)
        m_list->insertItem(at++, rowOf(item));
}

void MacroStepList::replace(int row, const MacroItem &item)
{
    delete m_list->takeItem(row);
    m_list->insertItem(row, rowOf(item));
    m_list->setCurrentRow(row);
}
