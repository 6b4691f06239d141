#include "listrowdelegate.h"

#include <QPainter>

ListRowDelegate::ListRowDelegate(QWidget *list)
    : QStyledItemDelegate(list)
    , m_rowHeight(list->property("rowHeight").toInt())
{
}

QSize ListRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (m_rowHeight > 0)
        size.setHeight(m_rowHeight);
    return size;
}

void ListRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    QStyleOptionViewItem row(option);
    row.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, row, index);
    if (!(option.state & QStyle::State_HasFocus))
        return;

    const QPalette::ColorGroup group = option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    const QPalette::ColorRole text = option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    QPen dots(option.palette.color(group, text), 1);
    dots.setDashPattern({1, 1});
    painter->save();
    painter->setPen(dots);
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    painter->restore();
}
