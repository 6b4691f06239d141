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
    QStringList m_items;
    Sorting m_sorting;
    Integer m_selected = -1;
};
