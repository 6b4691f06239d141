#pragma once

#include "listcontrol.h"

class QListWidget;

// A list box of the window as the logic sees it. Whether the list is sorted
// comes from the widget's "sorted" property in the form, read once here;
// sorting is done with the program's own collation, never by the widget.
class ListWidgetControl final : public ListControl
{
public:
    explicit ListWidgetControl(QListWidget *widget);

    Integer ListCount() const override;
    Integer ListIndex() const override;
    QString List(Integer position) const override;
    void Clear() override;
    void AddItem(const QString &item) override;

private:
    QListWidget *m_widget;
    bool m_sorted;
};
