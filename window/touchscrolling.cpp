#include "touchscrolling.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QScroller>
#include <QTouchEvent>

TouchScrolling::TouchScrolling(QAbstractItemView *view)
    : QObject(view)
    , m_view(view)
{
    QScroller::grabGesture(view->viewport(), QScroller::TouchGesture);
    view->viewport()->installEventFilter(this);
    // The scroller sees a touch first and is "pressed" by then; whether the
    // list was moving is what it did before.
    connect(QScroller::scroller(view->viewport()), &QScroller::stateChanged, this, [this](QScroller::State state) {
        if (state != QScroller::Pressed)
            m_moving = state == QScroller::Scrolling;
    });
}

bool TouchScrolling::eventFilter(QObject *, QEvent *event)
{
    // The touch is taken here, so that Qt makes no mouse events of it; the
    // scroller sees it first all the same.
    switch (event->type()) {
    case QEvent::TouchBegin:
        m_start = static_cast<QTouchEvent *>(event)->points().constFirst().position();
        m_tap = !m_moving;
        break;
    case QEvent::TouchUpdate: {
        const QPointF moved = static_cast<QTouchEvent *>(event)->points().constFirst().position() - m_start;
        if (moved.manhattanLength() > QApplication::startDragDistance())
            m_tap = false;
        break;
    }
    case QEvent::TouchEnd:
        if (const QModelIndex row = m_view->indexAt(m_start.toPoint()); m_tap && row.isValid()) {
            m_view->setFocus(Qt::MouseFocusReason);
            m_view->setCurrentIndex(row);
        }
        break;
    default:
        return false;
    }
    event->accept();
    return true;
}
