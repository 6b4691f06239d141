#include "announce.h"

#include <QAccessible>
#include <QGuiApplication>

// From Qt 6.8 on, Qt itself hands a screen reader an announcement, on each
// platform in its own way: from the control that has the focus, to be spoken
// at once, cutting short whatever the screen reader was saying.
void announce(const QString &message)
{
    QObject *focus = QGuiApplication::focusObject();
    if (message.isEmpty() || !QAccessible::isActive() || !focus)
        return;
    QAccessibleAnnouncementEvent event(focus, message);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
}
