#include "memorylist.h"

#include "collation.h"

#include <QCollator>

#include <algorithm>

MemoryList::MemoryList(Sorting sorting)
    : m_sorting(sorting)
{
}

Integer MemoryList::ListCount() const
{
    return toInteger(m_items.size());
}

Integer MemoryList::ListIndex() const
{
    return m_selected;
}

QString MemoryList::List(Integer position) const
{
    if (position < 0 || position >= m_items.size())
        throw RuntimeError(RuntimeError::Code::InvalidListIndex);
    return m_items[position];
}

void MemoryList::Clear()
{
    m_items.clear();
    m_selected = -1;
}

void MemoryList::AddItem(const QString &item)
{
    // The count must stay a 16-bit number; a full list takes nothing more.
    toInteger(m_items.size() + 1);

    if (m_sorting == Sorting::Unsorted) {
        m_items.append(item);
        return;
    }
    // Binary search for the first item that sorts after the new one, so that
    // an item equal to one already present goes after it.
    const QCollator &collator = listCollator();
    const auto place = std::upper_bound(m_items.cbegin(), m_items.cend(), item,
                                        [&collator](const QString &a, const QString &b) {
                                            return collator.compare(a, b) < 0;
                                        });
    const qsizetype position = place - m_items.cbegin();
    m_items.insert(position, item);
    if (m_selected >= position)
        ++m_selected;
}

void MemoryList::Select(Integer position)
{
    if (position < -1 || position >= m_items.size())
        throw RuntimeError(RuntimeError::Code::InvalidListIndex);
    m_selected = position;
}
