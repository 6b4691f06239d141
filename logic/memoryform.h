#pragma once

#include "formcontrols.h"
#include "memorylist.h"
#include "memorytext.h"

#include <QStringList>

// The window's lists and text boxes kept in memory, with List1(1) filled
// from a catalogue as the window would fill it. Tests and benchmarks run the
// logic against it.
class MemoryForm
{
public:
    explicit MemoryForm(const QStringList &catalogue, const QString &message = {});
    MemoryForm(const MemoryForm &) = delete;
    MemoryForm &operator=(const MemoryForm &) = delete;

    MemoryList display;
    MemoryList userOrder;
    MemoryList alphabetical{MemoryList::Sorting::Sorted};
    MemoryList byLength{MemoryList::Sorting::Sorted};
    MemoryText message;
    MemoryText quote;

    const FormControls controls{
        {&display, &userOrder, &alphabetical, &byLength},
        {&message, &quote},
    };
};

// Every item of a list, in order.
QStringList itemsOf(const ListControl &list);
