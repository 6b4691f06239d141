#include "listdata.h"

#include "collation.h"


#include <algorithm>
#include <iterator>

ListData::ListData(Sorting sorting)
    : m_sorting(sorting)
{
}

Integer ListData::ListCount() const
{
    return toInteger(m_items.size());
}

Integer ListData::ListIndex() const
{
    sortNewItems();
    return m_selected;
}

QString ListData::List(Integer position) const
{
    if (position < 0 || position >= m_items.size())
        throw RuntimeError(RuntimeError::Code::InvalidListIndex);
    sortNewItems();
    return m_items[position];
}

void ListData::Clear()
{
    m_items.clear();
    m_placed = 0;
    m_selected = -1;
}

void ListData::AddItem(const QString &item)
{
    // The count must stay a 16-bit number; a full list takes nothing more.
    toInteger(m_items.size() + 1);
    m_items.append(item);
}

void ListData::Select(Integer position)
{
    if (position < -1 || position >= m_items.size())
        throw RuntimeError(RuntimeError::Code::InvalidListIndex);
    sortNewItems();
    m_selected = position;
}

// Gives the order that inserting each new item at its place when it was added
// would have given, where an item equal to one already present goes after it.
// Sorting the new items together costs n log n comparisons for n items, where
// inserting one by one also moved half the list each time.
void ListData::sortNewItems() const
{
    if (m_sorting == Sorting::Unsorted || m_placed == m_items.size())
        return;
    const auto newItems = m_items.begin() + m_placed;

    // A stable sort keeps equal new items in the order of adding.
    std::stable_sort(newItems, m_items.end(), sortsBefore);

    // The selected item moves down by one for each new item that sorts before it.
    if (m_selected >= 0) {
        const qsizetype before = std::lower_bound(newItems, m_items.end(), m_items[m_selected], sortsBefore) - newItems;
        m_selected = toInteger(m_selected + before);
    }

    // Each new item goes after the old items that do not sort after it. A
    // binary search finds that place, starting where the previous new item
    // went, so a read after every add costs log n comparisons, not n.
    QStringList merged;
    merged.reserve(m_items.size());
    auto old = m_items.begin();
    for (auto item = newItems; item != m_items.end(); ++item) {
        const auto place = std::upper_bound(old, newItems, *item, sortsBefore);
        std::move(old, place, std::back_inserter(merged));
        merged.append(std::move(*item));
        old = place;
    }
    std::move(old, newItems, std::back_inserter(merged));
    m_items = std::move(merged);
    m_placed = m_items.size();
}
