#pragma once

#include "listcontrol.h"

class QListWidget;

// The display list as the logic sees it: a list widget of the window, which
// shows the items in the order they are added.
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
};
