#pragma once

#include <QStyledItemDelegate>

// Draws the rows of a list as the style does, with two changes. Every row is
// as high as the list's "rowHeight" property in the form says (where it has
// one), so that the list shows only whole rows. The current row of a list
// that has the focus is marked with a dotted frame in the row's text colour,
// where the style's own mark is a faint tint.
class ListRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ListRowDelegate(QWidget *list);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int m_rowHeight;
};
