#include "announce.h"

#include "accessiblepage_browser.h"

// The page's live region speaks the message.
void announce(const QString &message)
{
    if (AccessiblePage *page = AccessiblePage::instance(); page && !message.isEmpty())
        page->announce(message);
}
