#include "announce.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QGuiApplication>

using namespace Qt::StringLiterals;

// Qt before 6.8 cannot announce (announce_event.cpp serves Qt 6.8 and
// later), and a screen reader speaks a change only in the control that has
// the focus. So the message goes out on Qt's own
// connection to the accessibility bus as a new description of the focused
// control, which a screen reader speaks at once; the control itself keeps
// its description.
void announce(const QString &message)
{
    if (message.isEmpty() || !QAccessible::isActive())
        return;
    // Qt's bridge names its connection "a11y"; without an accessibility bus
    // there is none.
    QDBusConnection bus(u"a11y"_s);
    QAccessibleInterface *focus = QAccessible::queryAccessibleInterface(QGuiApplication::focusObject());
    if (!bus.isConnected() || !focus)
        return;

    // The control's path and the event's arguments as Qt's bridge gives them.
    const QString path = u"/org/a11y/atspi/accessible/"_s + QString::number(QAccessible::uniqueId(focus));
    QDBusArgument application;
    application.beginStructure();
    application << bus.baseService() << QDBusObjectPath(u"/org/a11y/atspi/accessible/root"_s);
    application.endStructure();
    QDBusMessage event = QDBusMessage::createSignal(path, u"org.a11y.atspi.Event.Object"_s, u"PropertyChange"_s);
    event << u"accessible-description"_s << 0 << 0 << QVariant::fromValue(QDBusVariant(message))
          << QVariant::fromValue(application);
    bus.send(event);
}
