#pragma once

#include "integer.h"

#include <QString>

// What the logic asks of a list box. A list is made sorted or unsorted and
// stays so: an unsorted list appends, a sorted one inserts each item at its
// place in alphabetical order (see collation.h).
class ListControl
{
public:
    virtual ~ListControl() = default;

    virtual Integer ListCount() const = 0;
    // The position the user selected, or -1 when nothing is selected.
    virtual Integer ListIndex() const = 0;
    // The text at a position from 0 to ListCount() - 1.
    virtual QString List(Integer position) const = 0;
    // Removes every item and the selection.
    virtual void Clear() = 0;
    virtual void AddItem(const QString &item) = 0;

protected:
    // Only a whole control can be copied, never its interface alone.
    ListControl() = default;
    ListControl(const ListControl &) = default;
    ListControl &operator=(const ListControl &) = default;
};
