#include "touchscrolling.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QScroller>
#include <QTouchEvent>

TouchScrolling::TouchScrolling(QAbstractItemView *view)
    : QObject(view)
    , m_view(view)
{
    // The scroller gets the touches from here rather than through Qt's
    // gesture (QScroller::grabGesture), which in Qt 6.4 never frees its
    // recognizer when the list goes before a finger ever touched it.
    view->viewport()->setAttribute(Qt::WA_AcceptTouchEvents);
    view->viewport()->installEventFilter(this);
    m_clock.start();
}

bool TouchScrolling::eventFilter(QObject *, QEvent *event)
{
    QScroller::Input input;
    switch (event->type()) {
    case QEvent::TouchBegin:
        input = QScroller::InputPress;
        break;
    case QEvent::TouchUpdate:
        input = QScroller::InputMove;
        break;
    case QEvent::TouchEnd:
        input = QScroller::InputRelease;
        break;
    default:
        return false;
    }
    const auto *touch = static_cast<QTouchEvent *>(event);
    const QPointF at = touch->points().constFirst().position();
    QScroller *scroller = QScroller::scroller(m_view->viewport());
    switch (input) {
    case QScroller::InputPress:
        // A touch on a list that is still moving only stops it.
        m_start = at;
        m_tap = scroller->state() != QScroller::Scrolling;
        break;
    case QScroller::InputMove:
        if ((at - m_start).manhattanLength() > QApplication::startDragDistance())
            m_tap = false;
        break;
    case QScroller::InputRelease:
        if (const QModelIndex row = m_view->indexAt(m_start.toPoint()); m_tap && row.isValid()) {
            m_view->setFocus(Qt::MouseFocusReason);
            m_view->setCurrentIndex(row);
        }
        break;
    }
    // One finger scrolls, as with Qt's gesture; more are left alone.
    if (touch->points().size() == 1)
        scroller->handleInput(input, at, m_clock.elapsed());
    // The touch is taken here, so that Qt makes no mouse events of it.
    event->accept();
    return true;
}
