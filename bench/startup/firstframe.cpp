// Linked into the start-up benchmark's programs: ends the program as soon as
// its window has been painted for the first time, so that the time from
// process start to exit is the time to the first full frame.

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

namespace {

class FirstFrame : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType()
            && static_cast<QWindow *>(watched)->isExposed()) {
            // Queued, so it runs once the expose event has painted and
            // flushed the window.
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
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
