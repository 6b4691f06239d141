#pragma once

#include "listcontrol.h"

#include <QStringList>

class QListWidget;

// A list box of the window as the logic sees it. Whether the list is sorted
// comes from the widget's "sorted" property in the form, read once here;
// sorting is done with the program's own collation, never by the widget.
//
// A sorted list keeps the items added to it waiting, in the order of adding,
// until it is next read or placeWaitingItems() is called. Each then goes to
// the place it would have had if it had been inserted at once.
class ListWidgetControl final : public ListControl
{
public:
    explicit ListWidgetControl(QListWidget *widget);

    Integer ListCount() const override;
    Integer ListIndex() const override;
    QString List(Integer position) const override;
    void Clear() override;
    void AddItem(const QString &item) override;

    void placeWaitingItems() const;

private:
    void insertInOrder(const QString &item) const;

    QListWidget *m_widget;
    bool m_sorted;
    mutable QStringList m_waiting;
};
