#pragma once

#include <QListWidget>
#include <QStringList>

// Every item of a list widget, in order.
inline QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items.append(list->item(row)->text());
    return items;
}
