#pragma once

#include "listcontrol.h"

#include <QStringList>

// A list kept in memory, for the logic's tests and benchmarks.
class MemoryList final : public ListControl
{
public:
    enum class Sorting { Unsorted, Sorted };

    explicit MemoryList(Sorting sorting = Sorting::Unsorted);

    Integer ListCount() const override;
    Integer ListIndex() const override;
    QString List(Integer position) const override;
    void Clear() override;
    void AddItem(const QString &item) override;

    // What a user's click on an item does.
    void Select(Integer position);

private:
    void placeNewItems() const;

    // A sorted list does not look for an item's place when it is added: new
    // items wait at the end, in the order of adding, and the next read puts
    // them all in place at once. Its first m_placed items are in order.
    mutable QStringList m_items;
    mutable qsizetype m_placed = 0;
    Sorting m_sorting;
    mutable Integer m_selected = -1;
};
