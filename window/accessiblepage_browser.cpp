#include "accessiblepage_browser.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTimer>

#include <emscripten/bind.h>

#include <algorithm>
#include <cstdio>
#include <utility>

using emscripten::val;

namespace {

AccessiblePage *thePage = nullptr;

// The elements' ids: "control-<Qt's id>", and "control-<id>-<row>" for the
// options of a list.
std::string elementId(QAccessible::Id id, int row = -1)
{
    std::string name = "control-" + std::to_string(id);
    return row < 0 ? name : name + "-" + std::to_string(row);
}

// Changes an element only where it differs: a screen reader would hear every
// change, and the same text set again counts as one.
void setText(val element, const QString &text)
{
    const std::string value = text.toStdString();
    if (element["textContent"].as<std::string>() != value)
        element.set("textContent", value);
}

void setAttribute(val element, const char *name, const std::string &value)
{
    const val current = element.call<val>("getAttribute", std::string(name));
    if (current.isNull() || current.as<std::string>() != value)
        element.call<void>("setAttribute", std::string(name), value);
}

// The element of the window that Qt shows, in the shadow tree it gives the
// page's screen: it holds the canvas Qt draws into and, behind it, a
// container for what a screen reader reads, and it hears the window's keys.
val windowElement()
{
    const val screen = val::module_property("qtContainerElements")[0];
    return screen.call<val>("querySelector", std::string("#qt-shadow-container"))["shadowRoot"]
        .call<val>("querySelector", std::string(".qt-window"));
}

// The element with the page's focus, inside a shadow tree too.
val focusedElement(val document)
{
    val active = document["activeElement"];
    while (!active.isNull() && !active["shadowRoot"].isNull() && !active["shadowRoot"]["activeElement"].isNull())
        active = active["shadowRoot"]["activeElement"];
    return active;
}

void onPageEvent(val event)
{
    if (thePage)
        thePage->handle(event["type"].as<std::string>(), event["target"]["id"].as<std::string>());
}

} // namespace

EMSCRIPTEN_BINDINGS(accessible_page)
{
    emscripten::function("courierFirmsPageEvent", &onPageEvent);
}

AccessiblePage::AccessiblePage(QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_document(val::global("document"))
    , m_qtWindow(windowElement())
    , m_root(newElement("div", nullptr, "accessible-window"))
    , m_heading(newElement("h1", nullptr, "window-title"))
    , m_controls(newElement("div", nullptr, "controls"))
    , m_announcement(newElement("div", nullptr, "announcement"))
    , m_lastAnnouncement(newElement("div", nullptr, "last-announcement"))
{
    // Qt makes its canvas an editor, to hear the clipboard's keys, which a
    // screen reader would list among the page's text boxes: the canvas is a
    // picture, and the page keeps the focus on its own elements, inside the
    // window's, where the window hears the keys. Qt's own text input on a
    // phone, out of sight, takes the on-screen keyboard's typing for the
    // program: a screen reader calls it that.
    m_qtWindow.call<val>("querySelector", std::string("canvas")).set("contentEditable", std::string("false"));
    const val input = m_document.call<val>("querySelector", std::string("body > input"));
    if (!input.isNull())
        setAttribute(input, "aria-label", "Писане в програмата");
    for (val region : {m_announcement, m_lastAnnouncement})
        region.call<void>("setAttribute", std::string("aria-live"), std::string("assertive"));
    // A browser gives a screen reader an element's text as laid out, behind
    // the canvas: with its spaces and lines kept, as the window shows them.
    m_root["style"].set("whiteSpace", std::string("pre-wrap"));
    m_root.call<void>("append", m_heading, m_controls, m_announcement, m_lastAnnouncement);
    m_qtWindow.call<val>("querySelector", std::string(".qt-window-a11y-container")).call<void>("append", m_root);

    const val listener = val::module_property("courierFirmsPageEvent");
    m_root.call<void>("addEventListener", std::string("click"), listener);
    m_root.call<void>("addEventListener", std::string("focusin"), listener);
    // A click on the window gives it the page's focus, which goes on to the
    // element of the control that has Qt's.
    m_qtWindow.set("tabIndex", -1);
    m_qtWindow.call<void>("addEventListener", std::string("focus"), listener);

    thePage = this;
    scheduleUpdate();
}

AccessiblePage::~AccessiblePage()
{
    thePage = nullptr;
    m_root.call<void>("remove");
}

AccessiblePage *AccessiblePage::instance()
{
    return thePage;
}

void AccessiblePage::announce(const QString &message)
{
    // A live region speaks what is added to it. Two take turns, the one
    // emptied as the other speaks, so that a message said again is added
    // anew; and a screen reader that hears the same words twice in a row
    // takes the second for an echo of the first (Orca does), so the second
    // region ends its words with a no-break space, which nobody hears.
    val line = newElement("p", nullptr, std::string());
    setText(line, m_announcement["id"].as<std::string>() == "announcement" ? message : message + QChar::Nbsp);
    m_lastAnnouncement.call<void>("replaceChildren");
    m_announcement.call<void>("replaceChildren", line);
    std::swap(m_announcement, m_lastAnnouncement);
}

void AccessiblePage::scheduleUpdate()
{
    if (m_updateScheduled)
        return;
    m_updateScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_updateScheduled = false;
        update();
    });
}

void AccessiblePage::update()
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_window);
    if (!window)
        return;
    setText(m_heading, window->text(QAccessible::Name));
    updateChildren(window);
    followFocus();
}

void AccessiblePage::updateChildren(QAccessibleInterface *parent)
{
    // A screen reader reads the page in the order of its elements: the
    // window's order, top to bottom and left to right.
    QList<QAccessibleInterface *> controls;
    for (int i = 0; i < parent->childCount(); ++i) {
        if (QAccessibleInterface *control = parent->child(i))
            controls.append(control);
    }
    std::stable_sort(controls.begin(), controls.end(), [](auto *one, auto *other) {
        return std::pair(one->rect().top(), one->rect().left()) < std::pair(other->rect().top(), other->rect().left());
    });
    for (QAccessibleInterface *control : std::as_const(controls)) {
        const QAccessible::Id id = QAccessible::uniqueId(control);
        if (control->state().invisible) {
            if (const auto element = m_elements.find(id); element != m_elements.end()) {
                element->second.call<void>("remove");
                m_elements.erase(element);
            }
            continue;
        }
        const QString name = control->text(QAccessible::Name);
        switch (control->role()) {
        case QAccessible::StaticText:
            setText(elementFor(control, nullptr), name);
            break;
        case QAccessible::List: {
            val listbox = elementFor(control, "listbox");
            setAttribute(listbox, "aria-label", name.toStdString());
            updateOptions(control, listbox);
            break;
        }
        case QAccessible::Button: {
            val button = elementFor(control, "button");
            setText(button, name);
            setAttribute(button, "aria-description", control->text(QAccessible::Description).toStdString());
            break;
        }
        case QAccessible::EditableText: {
            val textbox = elementFor(control, "textbox");
            setAttribute(textbox, "aria-label", name.toStdString());
            setAttribute(textbox, "aria-multiline", control->state().multiLine ? "true" : "false");
            setAttribute(textbox, "aria-readonly", control->state().readOnly ? "true" : "false");
            setText(textbox, control->text(QAccessible::Value));
            break;
        }
        default:
            // Scroll bars and other parts of a control stay Qt's.
            break;
        }
    }
}

void AccessiblePage::updateOptions(QAccessibleInterface *list, val listbox)
{
    const QAccessible::Id id = QAccessible::uniqueId(list);
    const val options = listbox["children"];
    int count = 0;
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface *row = list->child(i);
        if (!row || row->role() != QAccessible::ListItem)
            continue;
        val option = options[count];
        if (option.isUndefined()) {
            option = newElement("div", "option", elementId(id, count));
            listbox.call<void>("append", option);
        }
        setText(option, row->text(QAccessible::Name));
        setAttribute(option, "aria-selected", row->state().selected ? "true" : "false");
        ++count;
    }
    while (options["length"].as<int>() > count)
        options[count].call<void>("remove");
}

void AccessiblePage::followFocus()
{
    QWidget *focus = QApplication::focusWidget();
    QAccessibleInterface *control = focus ? QAccessible::queryAccessibleInterface(focus) : nullptr;
    const auto element = control ? m_elements.find(QAccessible::uniqueId(control)) : m_elements.end();
    if (element == m_elements.end())
        return;
    val target = element->second;
    // In a list the focus is on its current row.
    if (QAccessibleInterface *row = control->focusChild(); row && control->role() == QAccessible::List) {
        const val option = m_root.call<val>("querySelector",
                                            "#" + elementId(QAccessible::uniqueId(control), control->indexOfChild(row)));
        if (!option.isNull())
            target = option;
    }
    // The focus is taken only from the page, the window or these elements:
    // where Qt itself put it (its text input on a phone), it stays.
    const val active = focusedElement(m_document);
    if (active.strictlyEquals(target))
        return;
    if (!active.isNull() && !active.strictlyEquals(m_document["body"]) && !active.strictlyEquals(m_qtWindow)
        && !m_root.call<bool>("contains", active))
        return;
    val options = val::object();
    options.set("preventScroll", true);
    target.call<void>("focus", options);
}

val AccessiblePage::elementFor(QAccessibleInterface *control, const char *role)
{
    const QAccessible::Id id = QAccessible::uniqueId(control);
    if (const auto element = m_elements.find(id); element != m_elements.end())
        return element->second;
    // Each control's element is made once, in the window's order of its
    // controls, and keeps its place.
    val element = newElement(role ? "div" : "p", role, elementId(id));
    m_controls.call<void>("append", element);
    m_elements.emplace(id, element);
    return element;
}

val AccessiblePage::newElement(const char *tag, const char *role, const std::string &id)
{
    val element = m_document.call<val>("createElement", std::string(tag));
    if (!id.empty())
        element.set("id", id);
    if (role) {
        element.call<void>("setAttribute", std::string("role"), std::string(role));
        // Focusable, but out of the browser's own Tab order: Tab is Qt's.
        element.set("tabIndex", -1);
    }
    return element;
}

QAccessibleInterface *AccessiblePage::controlOf(const std::string &elementId, int *row) const
{
    unsigned id = 0;
    *row = -1;
    if (std::sscanf(elementId.c_str(), "control-%u-%d", &id, row) < 1)
        return nullptr;
    QAccessibleInterface *control = QAccessible::accessibleInterface(id);
    return control && m_elements.count(id) ? control : nullptr;
}

void AccessiblePage::handle(const std::string &type, const std::string &elementId)
{
    int row = -1;
    QAccessibleInterface *control = controlOf(elementId, &row);
    if (!control) {
        scheduleUpdate();
        return;
    }
    // Choosing an option, or moving the focus to it, makes its row the
    // list's current and selected one, as the arrow keys do.
    // The focus this page itself moved to the current row changes nothing.
    if (auto *view = qobject_cast<QAbstractItemView *>(control->object()); view && row >= 0) {
        const QModelIndex index = view->model()->index(row, 0, view->rootIndex());
        if (type == "click" || index != view->currentIndex())
            view->setCurrentIndex(index);
        view->setFocus(Qt::OtherFocusReason);
    } else if (type == "click") {
        if (QAccessibleActionInterface *actions = control->actionInterface())
            actions->doAction(QAccessibleActionInterface::pressAction());
    } else if (auto *widget = qobject_cast<QWidget *>(control->object())) {
        widget->setFocus(Qt::OtherFocusReason);
    }
    scheduleUpdate();
}
