#include "memoryform.h"

MemoryForm::MemoryForm(const QStringList &catalogue, const QString &message)
    : message(message)
{
    for (const QString &name : catalogue)
        userOrder.AddItem(name);
}

QStringList itemsOf(const ListControl &list)
{
    QStringList items;
    const Integer count = list.ListCount();
    items.reserve(count);
    for (Integer i = 0; i < count; ++i)
        items.append(list.List(i));
    return items;
}
