// Linked into the start-up benchmark's programs: as soon as the window has
// been painted for the first time and the X server has drawn it, the program
// prints the time (steady clock, nanoseconds) on its standard output. It then
// runs on for a moment, so that the work it leaves until after its first
// frame still counts in its peak memory, and ends.

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

using namespace std::chrono_literals;

namespace {

void reportTheFrame()
{
    // A round trip: once the server answers, it has handled every request
    // sent before, the window's pixels among them.
    if (auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t *connection = x11->connection();
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("%lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
    std::fflush(stdout);
    QTimer::singleShot(200ms, [] { std::_Exit(EXIT_SUCCESS); });
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
            // Queued, so it runs once the expose event has painted the window.
            QMetaObject::invokeMethod(qApp, &reportTheFrame, Qt::QueuedConnection);
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
