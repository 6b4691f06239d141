#include "catalogue.h"
#include "expectedorders.h"
#include "finger.h"
#include "formcontrol.h"
#include "formcontrols.h"
#include "listwidgetitems.h"
#include "mainform.h"
#include "memoryform.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>

#include <memory>

using namespace Qt::StringLiterals;

// Random user actions on the real window, the window checked after each one
// against what it must show. A short run by default; MONKEY_ACTIONS sets the
// number of actions and MONKEY_SEED replays a run.

namespace {

const int DefaultActions = 3000;
// A megabyte paste takes a while, so it is rare, but every run has some.
const int MegabytePasteOdds = 2000;
const int MinimumMegabytePastes = 3;

const QString Letters = u"abcxyzABCXYZ0123456789 .,-!?&()"
                        u"абвгдежзийклмнопрстуфхцчшщъьюяАБВЕЖЩЪЮЯѝЍ"_s;
const QString Truck = u"\U0001F69A"_s; // two UTF-16 units, typed as one key
const QString Controls = [] {
    QString controls;
    for (char16_t c = 0; c < 0x20; ++c)
        controls += QChar(c);
    // CR and LF once more: line breaks are the commonest of them.
    return controls + u"\u007F\u0085\u00A0\u2028\u2029\uFEFF\r\n"_s;
}();

enum class Order { User, Alphabetical, ByLength };

const QStringList &itemsIn(Order order)
{
    switch (order) {
    case Order::Alphabetical:
        return ExpectedOrder::alphabetical;
    case Order::ByLength:
        return ExpectedOrder::byLength;
    case Order::User:
        break;
    }
    return ExpectedOrder::userOrder;
}

// What the text box reads back for text put into it: every kind of line
// break becomes LF, and a no-break space a plain space.
QString asKept(QString text)
{
    text.replace(u"\r\n"_s, u"\n"_s);
    for (const QChar lineBreak : {QChar(u'\r'), QChar(QChar::LineSeparator), QChar(QChar::ParagraphSeparator)})
        text.replace(lineBreak, u'\n');
    return text.replace(QChar(QChar::Nbsp), u' ');
}

// Control characters as \xNN, for the report of an action.
QString printable(const QString &text)
{
    QString out;
    for (const QChar c : text)
        out += c.isPrint() ? QString(c) : u"\\x%1"_s.arg(int(c.unicode()), 2, 16, QChar(u'0'));
    return out;
}

// The logic writes CR LF; the text box shows LF.
QString shown(const QString &message)
{
    return QString(message).replace(u"\r\n"_s, u"\n"_s);
}

int fromEnvironment(const char *name, int otherwise)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : otherwise;
}

quint32 seedFromEnvironment()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("MONKEY_SEED").toUInt(&ok);
    return ok ? seed : QRandomGenerator::global()->generate();
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainForm> form;
    std::unique_ptr<QSignalSpy> failed;
    QRandomGenerator random;
    QListWidget *display = nullptr;
    QPlainTextEdit *text = nullptr;
    QList<QPushButton *> buttons; // by element number
    QList<QWidget *> tabOrder;

    // What the window must show.
    Order order = Order::User;
    int selectedRow = -1;
    QString expectedText;
    QWidget *expectedFocus = nullptr;

    QString action;
    int megabytePastes = 0;

    // A number from 0 to below n.
    int pick(qsizetype n) { return random.bounded(int(n)); }

    template <typename Widget>
    Widget *control(const QString &name) const
    {
        return formControl<Widget>(form.get(), name);
    }

    QList<int> selectedRows() const
    {
        QList<int> rows;
        for (const QListWidgetItem *item : display->selectedItems())
            rows.append(display->row(item));
        return rows;
    }

    void checkWindow()
    {
        QCOMPARE(itemsOf(form->controls().List1(UserOrderList)), ExpectedOrder::userOrder);
        QCOMPARE(itemsOf(form->controls().List1(AlphabeticalList)), ExpectedOrder::alphabetical);
        QCOMPARE(itemsOf(form->controls().List1(LengthList)), ExpectedOrder::lengthKeys);
        QCOMPARE(itemsOf(display), itemsIn(order));
        QCOMPARE(selectedRows(), selectedRow < 0 ? QList<int>() : QList<int>{selectedRow});
        QCOMPARE(text->toPlainText(), expectedText);
        QWidget *focus = QApplication::focusWidget();
        QCOMPARE(focus ? focus->objectName() : u"(none)"_s, expectedFocus->objectName());
        QCOMPARE(failed->size(), 0);
    }

    // --- What a button does, whether clicked or pressed with Space ---

    void expectButton(int element)
    {
        switch (element) {
        case AlphabeticalCommand:
            order = Order::Alphabetical;
            break;
        case LengthCommand:
            order = Order::ByLength;
            break;
        case UserOrderCommand:
            order = Order::User;
            expectedText.clear();
            break;
        case ReportCommand:
            expectedText = shown(selectedRow < 0 ? ExpectedOrder::nothingSelected
                                                 : ExpectedOrder::selected(itemsIn(order)[selectedRow]));
            return;
        }
        // A new order is a new list, with nothing selected.
        selectedRow = -1;
    }

    // --- Mouse ---

    void clickButton()
    {
        const int element = pick(buttons.size());
        action = u"click %1"_s.arg(buttons[element]->text());
        expectButton(element);
        expectedFocus = buttons[element];
        QTest::mouseClick(buttons[element], Qt::LeftButton);
    }

    // A row in sight, on a list at rest on screen. A row out of sight is
    // scrolled to once the scroller is done, or the scroller would scroll back.
    bool bringIntoSight(QListWidgetItem *item)
    {
        if (display->viewport()->rect().contains(display->visualItemRect(item)) && restsOnScreen(display))
            return true;
        QScroller *scroller = QScroller::scroller(display->viewport());
        if (!QTest::qWaitFor([scroller] { return scroller->state() == QScroller::Inactive; }, 5000))
            return false;
        display->scrollToItem(item);
        return true;
    }

    // A plain click selects the row; with Ctrl held it selects or unselects it.
    void clickRow(Qt::KeyboardModifiers modifiers)
    {
        const int row = pick(display->count());
        QListWidgetItem *item = display->item(row);
        action = u"click row %1 \"%2\"%3"_s.arg(row).arg(item->text(), modifiers ? u" with Ctrl"_s : QString());
        QVERIFY2(bringIntoSight(item), "the list still scrolls 5 s after a finger left it");
        QTest::mouseClick(display->viewport(), Qt::LeftButton, modifiers, display->visualItemRect(item).center());
        selectedRow = modifiers && selectedRow == row ? -1 : row;
        expectedFocus = display;
    }

    // --- A finger on the list ---

    // Where the list shows its rows, in its own coordinates: a finger lands
    // on what is in sight there, whether or not the list is moving.
    QRect rowsInSight() const
    {
        return display->contentsRect().adjusted(0, 0, -display->verticalScrollBar()->width(), 0);
    }

    // A tap chooses the row, on the frame beside it too, once the list rests
    // on screen; a finger trembles a little and taps all the same.
    void tapRow()
    {
        const int row = pick(display->count());
        QListWidgetItem *item = display->item(row);
        action = u"tap row %1 \"%2\""_s.arg(row).arg(item->text());
        QVERIFY2(bringIntoSight(item), "the list still scrolls 5 s after a finger left it");
        const QRect rect = display->visualItemRect(item).translated(display->viewport()->pos());
        QList<QPoint> path{QPoint(pick(8) ? rect.left() + pick(rect.width()) : 1, rect.center().y())};
        for (int shakes = pick(4); shakes > 0; --shakes)
            path.append(path.first() + QPoint(pick(5) - 2, pick(5) - 2));
        action += u" at %1,%2 through %3 points"_s.arg(path.first().x()).arg(path.first().y()).arg(path.size());
        touchPath(display, path, pick(3));
        selectedRow = row;
        expectedFocus = display;
    }

    // A drag that stops before the finger lifts, so that the list does not
    // fly on, up or down from anywhere in it; it chooses nothing.
    void dragList()
    {
        const QRect inside = rowsInSight();
        const QPoint from = inside.topLeft() + QPoint(pick(inside.width()), pick(inside.height()));
        const QPoint to(from.x(), from.y() + (pick(2) ? 1 : -1) * (25 + pick(60)));
        action = u"drag the list from %1,%2 to %3,%4"_s.arg(from.x()).arg(from.y()).arg(to.x()).arg(to.y());
        touchPath(display, stroke(from, to, 6), 3, 110);
        expectedFocus = display;
    }

    // A fling, away from an end the list is at, and at once a tap, which
    // only stops the list; a machine too busy to keep the pace makes the
    // fling a drag, and a list already at rest on screen takes the tap as a
    // choice of the row.
    void flingAndTap()
    {
        const QScrollBar *bar = display->verticalScrollBar();
        const int down = bar->value() == bar->minimum() ? -1 : bar->value() == bar->maximum() ? 1 : pick(2) ? 1 : -1;
        const QRect inside = rowsInSight();
        const QPoint from(inside.left() + pick(inside.width()), inside.center().y() - down * 40);
        action = u"fling the list %1 from %2,%3, then tap it"_s.arg(down > 0 ? u"down"_s : u"up"_s)
                     .arg(from.x()).arg(from.y());
        touchPath(display, stroke(from, from + QPoint(0, down * 80), 4), 3);
        if (restsOnScreen(display)) {
            action += u" (the list rests)"_s;
            selectedRow = display->indexAt(display->viewport()->mapFrom(display, from)).row();
        }
        touchPath(display, {from}, 0);
        expectedFocus = display;
    }

    void clickText()
    {
        const QRect inside = text->viewport()->rect();
        const QPoint where(pick(inside.width()), pick(inside.height()));
        action = u"click the text box at %1,%2"_s.arg(where.x()).arg(where.y());
        QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, where);
        expectedFocus = text;
    }

    // --- Keyboard, to whichever control has the focus ---

    void pressTab()
    {
        action = u"Tab"_s;
        expectedFocus = tabOrder[(tabOrder.indexOf(expectedFocus) + 1) % tabOrder.size()];
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }

    void pressKey()
    {
        if (expectedFocus == display)
            moveInList();
        else if (expectedFocus == text)
            editText();
        else
            pressFocusedButton();
    }

    void pressFocusedButton()
    {
        static const QList<std::tuple<Qt::Key, Qt::KeyboardModifiers, QString>> keys{
            {Qt::Key_Space, Qt::NoModifier, u"Space"_s},
            {Qt::Key_Return, Qt::NoModifier, u"Enter"_s},
            {Qt::Key_Enter, Qt::KeypadModifier, u"keypad Enter"_s},
        };
        const auto &[key, modifiers, name] = keys[pick(keys.size())];
        const int element = int(buttons.indexOf(expectedFocus));
        action = u"%1 on %2"_s.arg(name, buttons[element]->text());
        expectButton(element);
        QTest::keyClick(expectedFocus, key, modifiers);
    }

    void moveInList()
    {
        static const QList<std::pair<Qt::Key, QString>> keys{
            {Qt::Key_Up, u"Up"_s},         {Qt::Key_Down, u"Down"_s},
            {Qt::Key_PageUp, u"PageUp"_s}, {Qt::Key_PageDown, u"PageDown"_s},
            {Qt::Key_Home, u"Home"_s},     {Qt::Key_End, u"End"_s},
            {Qt::Key_Space, u"Space"_s},   {Qt::Key_Return, u"Enter"_s},
        };
        const auto &[key, name] = keys[pick(keys.size())];
        action = name + u" in the list"_s;
        QTest::keyClick(display, key);
        // Where a key lands depends on the current row and on how many rows
        // the list shows; one row at most is ever selected.
        const QList<int> rows = selectedRows();
        QVERIFY2(rows.size() <= 1, "more than one row selected");
        selectedRow = rows.isEmpty() ? -1 : rows.first();
    }

    // --- The text box ---

    void editText()
    {
        const int roll = pick(20);
        if (roll < 10)
            type(randomText(1 + pick(12)));
        else if (roll < 12)
            pressReturn();
        else if (roll < 14)
            selectAll();
        else if (roll < 16)
            deleteCharacter(Qt::Key_Delete);
        else if (roll < 18)
            deleteCharacter(Qt::Key_Backspace);
        else
            pasteLine();
    }

    void pasteLine()
    {
        const QString pasted = textWithControls(1 + pick(40));
        paste(pasted, u"\"%1\""_s.arg(printable(pasted)));
    }

    // Typing and pasting replace the selection, or insert at the cursor.
    void expectReplacedSelection(const QString &with)
    {
        const QTextCursor cursor = text->textCursor();
        expectedText = expectedText.left(cursor.selectionStart()) + with + expectedText.mid(cursor.selectionEnd());
    }

    void type(const QString &typed)
    {
        action = u"type \"%1\""_s.arg(typed);
        expectReplacedSelection(typed);
        for (qsizetype i = 0; i < typed.size(); ++i) {
            const bool pair = typed[i].isHighSurrogate();
            const QString key = typed.mid(i, pair ? 2 : 1);
            i += pair ? 1 : 0;
            const auto code = pair ? Qt::Key_unknown : Qt::Key(key[0].toUpper().unicode());
            QTest::sendKeyEvent(QTest::Click, text, code, key, Qt::NoModifier);
        }
    }

    void pressReturn()
    {
        action = u"Enter in the text box"_s;
        expectReplacedSelection(u"\n"_s);
        QTest::keyClick(text, Qt::Key_Return);
    }

    void selectAll()
    {
        action = u"Ctrl+A"_s;
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    }

    // Delete takes the character after the cursor, Backspace the one before,
    // or either one the selection; a character outside the BMP is two units.
    void deleteCharacter(Qt::Key key)
    {
        const bool forward = key == Qt::Key_Delete;
        action = forward ? u"Delete"_s : u"Backspace"_s;
        const QTextCursor cursor = text->textCursor();
        if (cursor.hasSelection()) {
            expectReplacedSelection({});
        } else if (forward && cursor.position() < expectedText.size()) {
            const bool pair = expectedText[cursor.position()].isHighSurrogate();
            expectedText.remove(cursor.position(), pair ? 2 : 1);
        } else if (!forward && cursor.position() > 0) {
            const bool pair = expectedText[cursor.position() - 1].isLowSurrogate();
            expectedText.remove(cursor.position() - (pair ? 2 : 1), pair ? 2 : 1);
        }
        QTest::keyClick(text, key);
    }

    void paste(const QString &pasted, const QString &what)
    {
        action = u"paste %1"_s.arg(what);
        QApplication::clipboard()->setText(pasted);
        expectReplacedSelection(asKept(pasted));
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    }

    void pasteMegabyte()
    {
        // The user puts the cursor somewhere in the text box first.
        clickText();
        paste(textWithControls(1 << 20), u"a megabyte after a %1"_s.arg(action));
        ++megabytePastes;
    }

    QString randomText(int length)
    {
        QString typed;
        while (typed.size() < length) {
            if (pick(30) == 0)
                typed += Truck;
            else
                typed += Letters[pick(Letters.size())];
        }
        return typed;
    }

    // About one character in ten a control character, line breaks included.
    QString textWithControls(int length)
    {
        QString pasted;
        pasted.reserve(length + 1);
        while (pasted.size() < length) {
            if (pick(10) == 0)
                pasted += Controls[pick(Controls.size())];
            else
                pasted += randomText(1);
        }
        return pasted;
    }

    // --- One action of the user ---

    void act(int number, int total)
    {
        action.clear();
        // Spread so that even a short run has its megabyte pastes.
        if (pick(MegabytePasteOdds) == 0 || megabytePastes < qint64(MinimumMegabytePastes) * number / total) {
            pasteMegabyte();
            return;
        }
        const int roll = pick(100);
        if (roll < 15)
            clickButton();
        else if (roll < 27)
            clickRow(Qt::NoModifier);
        else if (roll < 30)
            clickRow(Qt::ControlModifier);
        else if (roll < 40)
            clickText();
        else if (roll < 48)
            pressTab();
        else if (roll < 51)
            tapRow();
        else if (roll < 52)
            pick(2) ? dragList() : flingAndTap();
        else
            pressKey();
    }

private slots:
    void initTestCase()
    {
        form = std::make_unique<MainForm>(Catalogue());
        failed = std::make_unique<QSignalSpy>(form.get(), &MainForm::failed);
        QVERIFY(form->Load());
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));

        display = control<QListWidget>(u"List1_0"_s);
        text = control<QPlainTextEdit>(u"Text1_0"_s);
        for (int element = 0; element < 4; ++element)
            buttons.append(control<QPushButton>(u"Command1_%1"_s.arg(element)));
        tabOrder = {text, display, buttons[AlphabeticalCommand], buttons[ReportCommand],
                    buttons[UserOrderCommand], buttons[LengthCommand]};

        expectedText = text->toPlainText();
        QVERIFY(!expectedText.isEmpty());
        expectedFocus = text;
        checkWindow();
    }

    void randomUserActions()
    {
        const quint32 seed = seedFromEnvironment();
        const int total = fromEnvironment("MONKEY_ACTIONS", DefaultActions);
        random.seed(seed);
        qInfo("seed %u, %d actions", seed, total);

        int number = 0;
        const auto report = qScopeGuard([&] {
            if (QTest::currentTestFailed())
                qWarning("failed at action %d (%s); replay with:\n"
                         "MONKEY_SEED=%u MONKEY_ACTIONS=%d QTEST_FUNCTION_TIMEOUT=86400000 QT_QPA_PLATFORM=offscreen %s",
                         number, qPrintable(action.left(200)), seed, total,
                         qPrintable(QCoreApplication::applicationFilePath()));
        });
        for (number = 1; number <= total; ++number) {
            act(number, total);
            QCoreApplication::processEvents();
            checkWindow();
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(megabytePastes >= MinimumMegabytePastes);
        qInfo("%d actions, %d of them megabyte pastes", total, megabytePastes);
    }

    void cleanupTestCase()
    {
        failed.reset();
        form.reset();
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
