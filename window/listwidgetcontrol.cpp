#include "listwidgetcontrol.h"

#include "collation.h"

#include <QCollator>
#include <QListWidget>

#include <utility>

ListWidgetControl::ListWidgetControl(QListWidget *widget)
    : m_widget(widget)
    , m_sorted(widget->property("sorted").toBool())
{
}

Integer ListWidgetControl::ListCount() const
{
    return toInteger(m_widget->count() + m_waiting.size());
}

Integer ListWidgetControl::ListIndex() const
{
    placeWaitingItems();
    // The row the user selected; a row that only has the keyboard focus is
    // not a selection.
    const QList<QListWidgetItem *> selected = m_widget->selectedItems();
    return selected.isEmpty() ? Integer(-1) : toInteger(m_widget->row(selected.first()));
}

QString ListWidgetControl::List(Integer position) const
{
    placeWaitingItems();
    if (position < 0 || position >= m_widget->count())
        throw RuntimeError(RuntimeError::Code::InvalidListIndex);
    return m_widget->item(position)->text();
}

void ListWidgetControl::Clear()
{
    m_waiting.clear();
    m_widget->clear();
}

void ListWidgetControl::AddItem(const QString &item)
{
    // The count must stay a 16-bit number; a full list takes nothing more.
    toInteger(ListCount() + 1);

    if (m_sorted)
        m_waiting.append(item);
    else
        m_widget->addItem(item);
}

void ListWidgetControl::placeWaitingItems() const
{
    const QStringList waiting = std::exchange(m_waiting, {});
    for (const QString &item : waiting)
        insertInOrder(item);
}

void ListWidgetControl::insertInOrder(const QString &item) const
{
    // After every item that sorts before or equal to the new one, looking
    // from the end: the lists are short.
    const QCollator &collator = listCollator();
    int row = m_widget->count();
    while (row > 0 && collator.compare(item, m_widget->item(row - 1)->text()) < 0)
        --row;
    m_widget->insertItem(row, item);
}
