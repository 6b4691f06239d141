#include "touchscrolling.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QScrollEvent>
#include <QScroller>
#include <QTouchEvent>
#include <QtMath>

namespace {

// A position as a scroll bar takes it: its whole pixels.
QPoint wholePixels(QPointF position)
{
    return {int(position.x()), int(position.y())};
}

} // namespace

TouchScrolling::TouchScrolling(QAbstractItemView *view)
    : QObject(view)
    , m_view(view)
{
    // The scroller moves the content by the finger's pixels. Scrolled by
    // rows, the list would take each pixel for a row, and a short drag would
    // fly to its end.
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The scroller gets the touches from here rather than through Qt's
    // gesture (QScroller::grabGesture), which in Qt 6.4 never frees its
    // recognizer when the list goes before a finger ever touched it. The
    // list's frame takes touches too: it is two pixels wide, a fingertip
    // far wider.
    for (QWidget *widget : {view->viewport(), static_cast<QWidget *>(view)}) {
        widget->setAttribute(Qt::WA_AcceptTouchEvents);
        widget->installEventFilter(this);
    }
}

bool TouchScrolling::eventFilter(QObject *watched, QEvent *event)
{
    // Other events reach here while the list is being destroyed, and leave
    // it alone.
    QScroller::Input input;
    switch (event->type()) {
    case QEvent::Scroll:
        if (watched != m_view) {
            // As the list puts it on screen: the scroll bars take the whole
            // pixels of the position, and the viewport moves by the
            // overshoot rounded.
            const auto *scroll = static_cast<QScrollEvent *>(event);
            m_shown = wholePixels(scroll->contentPos());
            m_overshoot = scroll->overshootDistance().toPoint();
        }
        return false;
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
    const QEventPoint &point = touch->points().constFirst();
    // Around the rows, only the frame is the list's: a touch on the scroll
    // bar goes on to it, as a click.
    if (watched == m_view && input == QScroller::InputPress && m_view->childAt(point.position().toPoint())) {
        event->ignore();
        return false;
    }
    // In the viewport's coordinates, which follow it as it moves past an end.
    QWidget *viewport = m_view->viewport();
    const QPointF at = viewport->mapFromGlobal(point.globalPosition());
    QScroller *scroller = QScroller::scroller(viewport);
    switch (input) {
    case QScroller::InputPress:
        m_start = at;
        m_tap = !movesOnScreen(scroller);
        break;
    case QScroller::InputMove:
        if ((at - m_start).manhattanLength() > QApplication::startDragDistance())
            m_tap = false;
        break;
    case QScroller::InputRelease:
        if (m_tap)
            choose(m_start);
        break;
    }
    // One finger scrolls, as with Qt's gesture; more are left alone.
    if (touch->points().size() == 1) {
        // When the finger moved, for the speed of a flick, however late the
        // event comes to be handled.
        const auto time = qint64(touch->timestamp());
        const bool wasScrolling = scroller->state() == QScroller::Scrolling;
        scroller->handleInput(input, at, time);
        // A touch that stops a slow list leaves the scroller at rest and deaf
        // to the rest of the touch: pressed again, it follows the finger.
        if (input == QScroller::InputPress && wasScrolling && scroller->state() == QScroller::Inactive)
            scroller->handleInput(input, at, time);
    }
    // The touch is taken here, so that Qt makes no mouse events of it.
    event->accept();
    return true;
}

// The scroller may still be scrolling by fractions of a pixel, and bring
// an overshoot back, after the list has come to rest on screen: it still
// moves only while what the list shows is not yet where it will end.
bool TouchScrolling::movesOnScreen(const QScroller *scroller) const
{
    return scroller->state() == QScroller::Scrolling
        && (!m_overshoot.isNull() || wholePixels(scroller->finalPosition()) != m_shown);
}

// The row under a tap, or on the frame the row beside it.
void TouchScrolling::choose(QPointF at)
{
    const QRect inside = m_view->viewport()->rect();
    const QPoint nearest(qBound(inside.left(), qFloor(at.x()), inside.right()),
                         qBound(inside.top(), qFloor(at.y()), inside.bottom()));
    if (const QModelIndex row = m_view->indexAt(nearest); row.isValid()) {
        m_view->setFocus(Qt::MouseFocusReason);
        m_view->setCurrentIndex(row);
    }
}
