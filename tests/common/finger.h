#pragma once

#include <QAbstractScrollArea>
#include <QPointingDevice>
#include <QScrollBar>
#include <QScroller>
#include <QTest>
#include <QWidget>

// A finger on a touch screen: put down on a widget at the first point,
// moved through the others, pace milliseconds apart, and lifted at the last,
// after resting there hold milliseconds.
inline void touchPath(QWidget *widget, const QList<QPoint> &path, int pace, int hold = 0)
{
    static QPointingDevice *const screen = QTest::createTouchDevice();
    QTest::touchEvent(widget->window(), screen).press(0, path.first(), widget);
    for (const QPoint &point : path.sliced(1)) {
        QTest::qWait(pace);
        QTest::touchEvent(widget->window(), screen).move(0, point, widget);
    }
    QTest::qWait(qMax(pace, hold));
    QTest::touchEvent(widget->window(), screen).release(0, path.last(), widget);
}

// A straight stroke from one point to another in steps points.
inline QList<QPoint> stroke(QPoint from, QPoint to, int steps)
{
    QList<QPoint> path;
    for (int step = 0; step <= steps; ++step)
        path.append(from + (to - from) * step / steps);
    return path;
}

// A list scrolled by a finger shows where the scroller leaves it: the viewport
// back in its frame and the rows in their last place, whether or not the
// scroller still works on fractions of a pixel.
inline bool restsOnScreen(const QAbstractScrollArea *list)
{
    const QRect frame = list->contentsRect().adjusted(0, 0, -list->verticalScrollBar()->width(), 0);
    const QScroller *scroller = QScroller::scroller(list->viewport());
    return list->viewport()->geometry() == frame
        && (scroller->state() != QScroller::Scrolling
            || list->verticalScrollBar()->value() == int(scroller->finalPosition().y()));
}
