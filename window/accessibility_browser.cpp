#include "accessibility.h"

#include "accessiblepage_browser.h"

#include <QPointer>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <emscripten/html5.h>

namespace {

QPointer<QWidget> windowToRead;

// Qt's controls report their changes only while a screen reader listens, and
// in a browser Qt waits for a button of its own to be pressed, which this
// program's Qt leaves out: it is told that one listens, and every change it
// reports goes to the page.
void buildPage(QWidget *window)
{
    new AccessiblePage(window);
    QAccessible::installUpdateHandler([](QAccessibleEvent *) {
        if (AccessiblePage *page = AccessiblePage::instance())
            page->scheduleUpdate();
    });
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
}

} // namespace

// The page is built in a task after the browser's next frame, in which Qt
// draws the window: the window shows first, and a screen reader finds it a
// frame later.
void provideAccessibility(QWidget *window)
{
    windowToRead = window;
    emscripten_request_animation_frame([](double, void *) -> EM_BOOL {
        if (QWidget *window = windowToRead)
            QTimer::singleShot(0, window, [window] { buildPage(window); });
        return EM_FALSE;
    }, nullptr);
}
