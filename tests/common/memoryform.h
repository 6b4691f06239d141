#pragma once

#include "formcontrols.h"

#include <QStringList>

// The window's controls with the shown list and text box kept as data too,
// List1(1) filled from a catalogue as when the window is built. The logic's
// tests and the benchmarks run against it.
struct MemoryForm
{
    explicit MemoryForm(const QStringList &catalogue, const QString &text = {})
        : message(text)
        , controls(display, message, catalogue)
    {
    }

    ListData display;
    TextData message;
    FormControls controls;

    const ListControl &list(ListElement element) const { return controls.List1(element); }
};

// Every item of a list, in order.
inline QStringList itemsOf(const ListControl &list)
{
    QStringList items;
    const Integer count = list.ListCount();
    items.reserve(count);
    for (Integer i = 0; i < count; ++i)
        items.append(list.List(i));
    return items;
}
