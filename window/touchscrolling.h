#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>

class QAbstractItemView;
class QScroller;

// A list as a finger expects it: dragged, it follows the finger, and flicked,
// it goes on a little (Qt's scroller); tapped, it chooses the row under the
// finger, as a click does, on the list's thin frame too. A touch on a list
// still moving on screen only stops it. The mouse and the keys work as
// before. Left to Qt, a finger would work as a mouse and choose every row it
// moved over.
class TouchScrolling : public QObject
{
    Q_OBJECT

public:
    explicit TouchScrolling(QAbstractItemView *view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool movesOnScreen(const QScroller *scroller) const;
    void choose(QPointF at);

    QAbstractItemView *m_view;
    QPointF m_start;
    QPoint m_shown;     // the content's position on screen, in pixels
    QPoint m_overshoot; // how far the viewport is moved past an end
    bool m_tap = false;
};
