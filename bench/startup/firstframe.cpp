// Linked into the start-up benchmark's programs: ends the program as soon as
// its window has been painted for the first time and the X server has drawn
// it, so that the time from process start to exit is the time to the first
// full frame. Whatever a program would do after that frame is not counted.

#include <QEvent>
#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

void endAfterTheFrame()
{
    // A round trip: once the server answers, it has handled every request
    // sent before, the window's pixels among them.
    if (auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t *connection = x11->connection();
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
    std::_Exit(EXIT_SUCCESS);
}

class FirstFrame : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType()
            && static_cast<QWindow *>(watched)->isExposed()) {
            // Queued, so it runs once the expose event has painted the window
            // and before anything the program queues while painting.
            QMetaObject::invokeMethod(qApp, &endAfterTheFrame, Qt::QueuedConnection);
            qApp->removeEventFilter(this);
        }
        return false;
    }
};

void watchForTheFirstFrame()
{
    qApp->installEventFilter(new FirstFrame(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForTheFirstFrame)
