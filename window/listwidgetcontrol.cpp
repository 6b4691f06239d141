#include "listwidgetcontrol.h"

#include <QListWidget>

ListWidgetControl::ListWidgetControl(QListWidget *widget)
    : m_widget(widget)
{
}

Integer ListWidgetControl::ListCount() const
{
    return toInteger(m_widget->count());
}

Integer ListWidgetControl::ListIndex() const
{
    // The row the user selected; a row that only has the keyboard focus is
    // not a selection.
    const QList<QListWidgetItem *> selected = m_widget->selectedItems();
    return selected.isEmpty() ? Integer(-1) : toInteger(m_widget->row(selected.first()));
}

QString ListWidgetControl::List(Integer position) const
{
    if (position < 0 || position >= m_widget->count())
        throw RuntimeError(RuntimeError::Code::InvalidListIndex);
    return m_widget->item(position)->text();
}

void ListWidgetControl::Clear()
{
    // A list filled anew is read from its first row. The widget lays out its
    // rows later, so it would otherwise keep the old scroll position.
    m_widget->clear();
    m_widget->scrollToTop();
}

void ListWidgetControl::AddItem(const QString &item)
{
    // The count must stay a 16-bit number; a full list takes nothing more.
    toInteger(m_widget->count() + 1);
    m_widget->addItem(item);
}
