#pragma once

#include <QAccessible>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <emscripten/val.h>

#include <unordered_map>

// The window as a browser's screen reader meets it. Qt draws the window into
// a canvas, which a browser can only call a picture, and its own elements
// for a screen reader know no list box; so the window's element holds,
// behind the canvas, one plain HTML element with an ARIA role for each
// control: a heading with the window's title, the label, a listbox with its
// options, the buttons, the text box. Each is made from what Qt's
// accessibility says of its control, the names, descriptions, states and
// texts a desktop screen reader hears. The elements follow every change Qt
// reports, the page's focus follows Qt's keyboard focus, and what a screen
// reader does with an element (press a button, choose an option, move the
// focus) goes to the control. Keys still reach Qt: the window's element,
// which holds the elements, hears them.
class AccessiblePage : public QObject
{
    Q_OBJECT

public:
    explicit AccessiblePage(QWidget *window);
    ~AccessiblePage() override;

    // The page of the program's window, or null before it has one.
    static AccessiblePage *instance();

    // Has a screen reader speak message at once, even when it said the same
    // message last time.
    void announce(const QString &message);

    // Brings the elements in step with the window once control returns to
    // the event loop: Qt reports a change while it is still making it.
    void scheduleUpdate();

    // What happened to an element: "click", or "focusin" when a screen
    // reader (or the browser) moved the page's focus to it.
    void handle(const std::string &type, const std::string &elementId);

private:
    void update();
    void updateChildren(QAccessibleInterface *parent);
    void updateOptions(QAccessibleInterface *list, emscripten::val listbox);
    void followFocus();
    emscripten::val elementFor(QAccessibleInterface *control, const char *role);
    emscripten::val newElement(const char *tag, const char *role, const std::string &id);
    QAccessibleInterface *controlOf(const std::string &elementId, int *row) const;

    QPointer<QWidget> m_window;
    emscripten::val m_document;
    emscripten::val m_qtWindow;
    emscripten::val m_root;
    emscripten::val m_heading;
    emscripten::val m_controls;
    emscripten::val m_announcement;
    emscripten::val m_lastAnnouncement;
    std::unordered_map<QAccessible::Id, emscripten::val> m_elements;
    bool m_updateScheduled = false;
};
