#pragma once

#include "listcontrol.h"

#include <QStringList>

// A list box that is only data: the window's hidden lists, and in tests the
// shown one too. A sorted list keeps its items in alphabetical order (see
// collation.h); an item equal to one already there goes after it.
class ListData final : public ListControl
{
public:
    enum class Sorting { Unsorted, Sorted };

    explicit ListData(Sorting sorting = Sorting::Unsorted);

    Integer ListCount() const override;
    Integer ListIndex() const override;
    QString List(Integer position) const override;
    void Clear() override;
    void AddItem(const QString &item) override;

    // What a user's click on an item does.
    void Select(Integer position);

    // Puts the items added since the last read in their places now, rather
    // than at the next read.
    void sortNewItems() const;

private:
    // A sorted list does not look for an item's place when it is added: new
    // items wait at the end, in the order of adding, and the next read puts
    // them all in place at once. Its first m_placed items are in order.
    mutable QStringList m_items;
    mutable qsizetype m_placed = 0;
    Sorting m_sorting;
    mutable Integer m_selected = -1;
};
