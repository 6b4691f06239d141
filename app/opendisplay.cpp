#include "opendisplay.h"

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

QtMessageHandler qtMessageHandler = nullptr;

QString missingDisplayMessage()
{
    QStringList displays;
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        if (const QString value = qEnvironmentVariable(variable); !value.isEmpty())
            displays.append(QLatin1StringView(variable) + u'=' + value);
    }
    const QString what = u"стартирайте програмата в графичен сеанс, през ssh -X или с xvfb-run -a courier-firms"_s;
    const QString whatEn = u"start it in a desktop session, over ssh -X, or with xvfb-run -a courier-firms"_s;
    if (displays.isEmpty()) {
        return u"courier-firms: няма дисплей, на който програмата да отвори прозореца си "
               u"(DISPLAY и WAYLAND_DISPLAY не са зададени); %1.\n"
               u"courier-firms: there is no display to open the window on "
               u"(neither DISPLAY nor WAYLAND_DISPLAY is set); %2.\n"_s.arg(what, whatEn);
    }
    const QString named = displays.join(u", "_s);
    return u"courier-firms: дисплеят (%1) не отговаря и програмата не може да отвори прозореца си; "
           u"проверете дали работи, или %2.\n"
           u"courier-firms: cannot reach the display (%1) to open the window on; "
           u"check that it is running, or %3.\n"_s.arg(named, what, whatEn);
}

// Qt ends with a fatal message when no platform plugin could open the display.
void reportMissingDisplay(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        qtMessageHandler(type, context, message);
        return;
    }
    std::fputs(qPrintable(missingDisplayMessage()), stderr);
    // Not exit(): the application object is half built, and nothing it holds
    // needs closing.
    std::_Exit(EXIT_FAILURE);
}

} // namespace

std::unique_ptr<QApplication> openDisplay(int &argc, char **argv)
{
    qtMessageHandler = qInstallMessageHandler(reportMissingDisplay);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtMessageHandler);
    return app;
}
