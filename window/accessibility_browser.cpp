#include "accessibility.h"

#include "accessiblepage_browser.h"

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// Qt's controls report their changes only while a screen reader listens, and
// in a browser Qt 6.4 has none to wait for: it is told that one listens, and
// every change it reports goes to the page. (Qt 6.5 brings its own bridge to
// the browser, and this file then goes.)
void provideAccessibility(QWidget *window)
{
    new AccessiblePage(window);
    QAccessible::installUpdateHandler([](QAccessibleEvent *) {
        if (AccessiblePage *page = AccessiblePage::instance())
            page->scheduleUpdate();
    });
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
}
