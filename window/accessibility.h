#pragma once

class QWidget;

// Makes the window known to screen readers. On the desktop Qt does that
// itself, on the accessibility bus or through Windows' own interfaces; in a
// browser, where Qt's own bridge knows no list box, the page gets one of its
// own (accessiblepage_browser.h).
// Call it once, for the program's window.
void provideAccessibility(QWidget *window);
