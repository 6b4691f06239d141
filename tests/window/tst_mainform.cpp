#include "catalogue.h"
#include "expectedorders.h"
#include "formcontrol.h"
#include "listwidgetitems.h"
#include "mainform.h"
#include "memoryform.h"
#include "shownform.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QButtonGroup>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTest>
#include <QtMath>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString Task = u"Да се състави проект  осъществяващ междупредметна връзка ИТ и Информатика\n"
                     u"Проектът да съдържа списък на действащи куриерски фирми. \n"
                     u"Имената на фирмите да са поставени в списъчно поле\n"
                     u"Проектът да съдържа четири командни бутона, чрез които:\n"
                     u" - фирмите се представят сортирани възходящо речниково;\n"
                     u" - фирмите се представят сортирани възходящо по дължина на наименованията;\n"
                     u" - възстановява се началния (ред на потребителя) списък за представяне на фирмите;\n"
                     u" - извежда се в отделно текстово поле название на избрана фирма.\n"_s;

// What the message box shows for a text the logic wrote with CR LF.
QString shown(const QString &text)
{
    return QString(text).replace(u"\r\n"_s, u"\n"_s);
}

// Contrast ratio of two colours as WCAG defines it, 1 to 21.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The most common colour of an image: the background its text is drawn on.
QColor background(const QImage &image)
{
    QHash<QRgb, int> count;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++count[image.pixel(x, y)];
    QRgb most = 0;
    for (auto it = count.cbegin(); it != count.cend(); ++it) {
        if (it.value() > count.value(most))
            most = it.key();
    }
    return QColor::fromRgb(most);
}

// The contrast of the text in an image with its background: the glyphs'
// solid cores are the pixels farthest from the background.
double textContrast(const QImage &image)
{
    const QColor back = background(image);
    double best = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, contrast(image.pixelColor(x, y), back));
    return best;
}

// Palettes a desktop may hand the program.
QPalette darkPalette()
{
    QPalette dark(Qt::white, QColor(53, 53, 53), QColor(80, 80, 80), QColor(20, 20, 20), QColor(40, 40, 40),
                  QColor(240, 240, 240), Qt::white, QColor(36, 36, 36), QColor(53, 53, 53));
    dark.setColor(QPalette::Highlight, QColor(21, 83, 158));
    return dark;
}

QPalette highContrastPalette()
{
    QPalette black(Qt::white, Qt::black, Qt::white, Qt::white, Qt::white, Qt::white, Qt::white, Qt::black, Qt::black);
    black.setColor(QPalette::Highlight, Qt::cyan);
    black.setColor(QPalette::HighlightedText, Qt::black);
    return black;
}

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainForm> form;
    QPalette desktop;

    template <typename Widget>
    Widget *control(const QString &name) const
    {
        return formControl<Widget>(form.get(), name);
    }
    QListWidget *display() const { return control<QListWidget>(u"List1_0"_s); }
    QPlainTextEdit *message() const { return control<QPlainTextEdit>(u"Text1_0"_s); }

    void clickButton(const QString &caption)
    {
        const auto buttons = form->findChildren<QPushButton *>();
        for (QPushButton *button : buttons) {
            if (button->text() == caption) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        QFAIL(qPrintable(u"no button "_s + caption));
    }

    void clickRow(const QString &firm)
    {
        const QList<QListWidgetItem *> found = display()->findItems(firm, Qt::MatchExactly);
        QVERIFY(found.size() == 1);
        display()->scrollToItem(found.first());
        QTest::mouseClick(display()->viewport(), Qt::LeftButton, {},
                          display()->visualItemRect(found.first()).center());
    }

    // Builds the window anew on a desktop with the given palette.
    void buildOn(const QPalette &palette)
    {
        form.reset();
        QApplication::setPalette(palette);
        init();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

private slots:
    void init() { form = shownForm(); }

    void cleanup()
    {
        form.reset();
        QApplication::setPalette(desktop);
    }

    void initTestCase() { desktop = QApplication::palette(); }

    void geometryOfEachControl_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("visible");

        QTest::newRow("label") << u"Label1_0"_s << QRect(32, 0, 337, 25) << true;
        QTest::newRow("display list") << u"List1_0"_s << QRect(16, 48, 161, 99) << true;
        QTest::newRow("Азбучно") << u"Command1_0"_s << QRect(16, 168, 89, 19) << true;
        QTest::newRow("Дължина") << u"Command1_3"_s << QRect(112, 168, 89, 19) << true;
        QTest::newRow("Избери") << u"Command1_1"_s << QRect(224, 168, 89, 19) << true;
        QTest::newRow("Изчисти") << u"Command1_2"_s << QRect(328, 168, 89, 19) << true;
        QTest::newRow("message box") << u"Text1_0"_s << QRect(8, 192, 449, 121) << true;
    }

    void geometryOfEachControl()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(bool, visible);

        QWidget *widget = control<QWidget>(name);
        QCOMPARE(widget->isVisible(), visible);
        QCOMPARE(widget->geometry(), geometry);
    }

    void windowHasFixedSize()
    {
        QCOMPARE(form->size(), QSize(461, 345));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        const QByteArray ratio = qgetenv("EXPECTED_DEVICE_PIXEL_RATIO");
        if (!ratio.isEmpty())
            QCOMPARE(form->devicePixelRatioF(), ratio.toDouble());
    }

    void flatColourInside_data()
    {
        QTest::addColumn<QPoint>("where");
        QTest::addColumn<QColor>("colour");

        // Points just inside each control's border, clear of its text.
        QTest::newRow("window") << QPoint(4, 40) << QColor(192, 192, 255);
        QTest::newRow("window, bottom right") << QPoint(455, 340) << QColor(192, 192, 255);
        QTest::newRow("label") << QPoint(35, 3) << QColor(255, 192, 128);
        QTest::newRow("label, right end") << QPoint(365, 21) << QColor(255, 192, 128);
        QTest::newRow("Азбучно") << QPoint(19, 171) << QColor(128, 255, 128);
        QTest::newRow("Дължина") << QPoint(115, 171) << QColor(0, 255, 0);
        QTest::newRow("Избери") << QPoint(227, 171) << QColor(255, 192, 128);
        QTest::newRow("Изчисти") << QPoint(331, 171) << QColor(255, 0, 0);
        QTest::newRow("Изчисти, bottom right") << QPoint(413, 184) << QColor(255, 0, 0);
    }

    void flatColourInside()
    {
        QFETCH(QPoint, where);
        QFETCH(QColor, colour);

        const QImage image = form->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const QPoint pixel(qRound(where.x() * ratio), qRound(where.y() * ratio));
        QCOMPARE(image.pixelColor(pixel), colour);
    }

    // The display list shows five whole rows and its frame on all four
    // sides, at whatever scale CTest runs this test.
    void displayListShowsWholeRows_data()
    {
        QTest::addColumn<bool>("atTheEnd");
        QTest::newRow("at the top") << false;
        QTest::newRow("scrolled to the last firm") << true;
    }

    void displayListShowsWholeRows()
    {
        QFETCH(bool, atTheEnd);

        QListWidget *list = display();
        if (atTheEnd)
            list->scrollToBottom();
        const QRect viewport = list->viewport()->rect();
        int shown = 0;
        for (int row = 0; row < list->count(); ++row) {
            const QRect item = list->visualItemRect(list->item(row));
            if (!item.intersects(viewport))
                continue;
            QVERIFY2(viewport.contains(item), qPrintable(u"row %1 is cut: %2 px of %3 shown"_s.arg(row)
                .arg(item.intersected(viewport).height()).arg(item.height())));
            ++shown;
        }
        QCOMPARE(shown, 5);

        // Some line of the frame differs from the list's background on each
        // side but the scroll bar's.
        const QImage image = form->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const QRect edges = list->geometry();
        const QColor base = list->palette().base().color();
        const int band = qMax(1, qFloor(list->frameWidth() * ratio));
        const int left = qCeil(edges.left() * ratio), top = qCeil(edges.top() * ratio);
        const int bottom = qFloor((edges.bottom() + 1) * ratio) - 1;
        const int midX = qRound(edges.center().x() * ratio), midY = qRound(edges.center().y() * ratio);
        const QList<std::pair<QPoint, QPoint>> sides{
            {{midX, top}, {0, 1}}, {{midX, bottom}, {0, -1}}, {{left, midY}, {1, 0}}};
        for (const auto &[edge, inwards] : sides) {
            bool framed = false;
            for (int i = 0; i < band; ++i)
                framed = framed || image.pixelColor(edge + i * inwards) != base;
            QVERIFY2(framed, qPrintable(u"no frame at %1,%2"_s.arg(edge.x()).arg(edge.y())));
        }
    }

    void textKeepsContrast_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light desktop") << QApplication::style()->standardPalette();
        QTest::newRow("dark desktop") << darkPalette();
        QTest::newRow("high contrast desktop") << highContrastPalette();
    }

    void textKeepsContrast()
    {
        QFETCH(QPalette, palette);
        buildOn(palette);

        // Inside each button's edge, where only its caption is drawn.
        const QStringList flat{u"Label1_0"_s, u"Command1_0"_s, u"Command1_1"_s, u"Command1_2"_s, u"Command1_3"_s};
        for (const QString &name : flat) {
            QWidget *widget = control<QWidget>(name);
            const QRect inside = name.startsWith(u"Command"_s) ? widget->rect().adjusted(2, 2, -2, -2) : widget->rect();
            const double ratio = textContrast(widget->grab(inside).toImage());
            QVERIFY2(ratio >= 4.5, qPrintable(u"%1: %2:1"_s.arg(name).arg(ratio, 0, 'f', 2)));
        }
        for (const QString &name : {u"List1_0"_s, u"Text1_0"_s}) {
            const double ratio = textContrast(control<QAbstractScrollArea>(name)->viewport()->grab().toImage());
            QVERIFY2(ratio >= 4.5, qPrintable(u"%1: %2:1"_s.arg(name).arg(ratio, 0, 'f', 2)));
        }
        QCOMPARE(form->grab(QRect(4, 40, 1, 1)).toImage().pixelColor(0, 0), QColor(192, 192, 255));
    }

    // Every pixel that the focus changes stands out from the background at
    // 3:1 at least.
    void focusIsClear_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<QString>("name");

        const QList<std::pair<const char *, QPalette>> palettes{
            {"light", QApplication::style()->standardPalette()}, {"dark", darkPalette()}};
        for (const auto &[desktop, palette] : palettes) {
            QTest::addRow("%s: Азбучно", desktop) << palette << u"Command1_0"_s;
            QTest::addRow("%s: Избери", desktop) << palette << u"Command1_1"_s;
            QTest::addRow("%s: Изчисти", desktop) << palette << u"Command1_2"_s;
            QTest::addRow("%s: Дължина", desktop) << palette << u"Command1_3"_s;
            QTest::addRow("%s: the list's current row", desktop) << palette << u"List1_0"_s;
        }
    }

    void focusIsClear()
    {
        QFETCH(QPalette, palette);
        QFETCH(QString, name);
        buildOn(palette);

        QWidget *widget = control<QWidget>(name);
        QWidget *drawn = widget;
        QRect area = widget->rect();
        if (auto *list = qobject_cast<QListWidget *>(widget)) {
            drawn = list->viewport();
            area = list->visualItemRect(list->item(0));
        }
        const QImage before = drawn->grab(area).toImage();
        form->setAttribute(Qt::WA_KeyboardFocusChange); // as the Tab key does
        widget->setFocus(Qt::TabFocusReason);
        const QImage after = drawn->grab(area).toImage();

        const QColor back = background(before);
        int changed = 0;
        for (int y = 0; y < after.height(); ++y) {
            for (int x = 0; x < after.width(); ++x) {
                if (after.pixel(x, y) == before.pixel(x, y))
                    continue;
                ++changed;
                const double ratio = contrast(after.pixelColor(x, y), back);
                QVERIFY2(ratio >= 3, qPrintable(u"%1:1 at %2,%3"_s.arg(ratio, 0, 'f', 2).arg(x).arg(y)));
            }
        }
        QVERIFY2(changed >= after.width(), "no focus frame");
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

        const QList<std::pair<const char *, const char *>> buttons{
            {"Азбучно", "Command1_0"}, {"Избери", "Command1_1"}, {"Изчисти", "Command1_2"}, {"Дължина", "Command1_3"}};
        for (const auto &[caption, name] : buttons) {
            const QString button = QString::fromLatin1(name);
            QTest::addRow("Enter on %s", caption) << button << Qt::Key_Return << Qt::KeyboardModifiers();
            QTest::addRow("keypad Enter on %s", caption) << button << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
            QTest::addRow("Space on %s", caption) << button << Qt::Key_Space << Qt::KeyboardModifiers();
        }
    }

    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, name);
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);

        auto *button = control<QPushButton>(name);
        button->setFocus(Qt::TabFocusReason);
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QTest::keyClick(button, key, modifiers);
        QCOMPARE(clicked.size(), 1);
    }

    void enterOutsideTheButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("text");

        const QString broken = u"\n"_s + Task;
        QTest::newRow("Enter in the text box breaks the line") << u"Text1_0"_s << Qt::Key_Return << broken;
        QTest::newRow("keypad Enter in the text box breaks the line") << u"Text1_0"_s << Qt::Key_Enter << broken;
        QTest::newRow("Enter in the list changes nothing") << u"List1_0"_s << Qt::Key_Return << Task;
        QTest::newRow("keypad Enter in the list changes nothing") << u"List1_0"_s << Qt::Key_Enter << Task;
    }

    void enterOutsideTheButtons()
    {
        QFETCH(QString, name);
        QFETCH(Qt::Key, key);
        QFETCH(QString, text);

        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QWidget *widget = control<QWidget>(name);
        widget->setFocus(Qt::TabFocusReason);
        QSignalSpy clicked(control<QButtonGroup>(u"Command1"_s), &QButtonGroup::idClicked);
        QTest::keyClick(widget, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(message()->toPlainText(), text);
        QCOMPARE(itemsOf(display()), ExpectedOrder::userOrder);
        QVERIFY(display()->selectedItems().isEmpty());
        QCOMPARE(clicked.size(), 0);
    }

    void textsAtStart()
    {
        QCOMPARE(form->windowTitle(), u"https://courier-firms.example.org ИТ - списък на куриерски фирми"_s);
        QCOMPARE(control<QLabel>(u"Label1_0"_s)->text(), u"Куриерски фирми -  сортиране на стринг"_s);
        QCOMPARE(message()->toPlainText(), Task);
        QCOMPARE(dynamic_cast<const TextData &>(form->controls().Text1(QuoteText)).Text(),
                 u"Неприятното в това да си първият, направил нещо по правилния начин, е, че никой "
                 u"не оценява колко трудно е било. \r\n"_s);
        QCOMPARE(message()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(form->windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    }

    void everyControlUsesTheWindowFont()
    {
        const auto widgets = form->findChildren<QWidget *>(
            QRegularExpression(u"^(Label1|List1|Command1|Text1)_\\d$"_s));
        // The hidden lists and text are data: only what is shown is a widget.
        QCOMPARE(widgets.size(), 7);
        for (const QWidget *widget : widgets) {
            const QFont font = widget->font();
            QVERIFY2(font.family() == u"Times New Roman"_s, qPrintable(widget->objectName()));
            QCOMPARE(font.pointSize(), 12);
            QCOMPARE(font.weight(), QFont::Normal);
            QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
        }
        // Drawn with Times New Roman itself or a font of the same measures.
        const QString drawnWith = QFontInfo(form->font()).family();
        QVERIFY2(drawnWith == u"Times New Roman"_s || drawnWith == u"Liberation Serif"_s,
                 qPrintable(drawnWith));
    }

    void noCaptionIsClipped()
    {
        const auto buttons = form->findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 4);
        for (QPushButton *button : buttons) {
            const QRect ink = button->fontMetrics().tightBoundingRect(button->text());
            const QRect inside = button->rect().adjusted(1, 1, -1, -1);
            QVERIFY2(ink.width() <= inside.width() && ink.height() <= inside.height(),
                     qPrintable(button->text()));
        }
        auto *label = control<QLabel>(u"Label1_0"_s);
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
    }

    void focusAtStartAndTabOrder()
    {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), message());

        const QStringList order{u"List1_0"_s, u"Command1_0"_s, u"Command1_1"_s,
                                u"Command1_2"_s, u"Command1_3"_s, u"Text1_0"_s};
        for (const QString &next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
    }

    void hiddenListsHoldTheThreeOrders()
    {
        const FormControls &controls = form->controls();
        QCOMPARE(itemsOf(controls.List1(UserOrderList)), ExpectedOrder::userOrder);
        QCOMPARE(itemsOf(controls.List1(AlphabeticalList)), ExpectedOrder::alphabetical);
        QCOMPARE(itemsOf(controls.List1(LengthList)), ExpectedOrder::lengthKeys);
    }

    // A button may be pressed before the window is on screen, while the
    // sorted lists have yet to put their items in order.
    void buttonsBeforeTheWindowIsDrawn_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("display");
        QTest::newRow("Азбучно") << u"Command1_0"_s << ExpectedOrder::alphabetical;
        QTest::newRow("Дължина") << u"Command1_3"_s << ExpectedOrder::byLength;
    }

    void buttonsBeforeTheWindowIsDrawn()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, display);

        MainForm hidden(Catalogue());
        QVERIFY(hidden.Load());
        hidden.findChild<QPushButton *>(button)->click();
        QCOMPARE(itemsOf(hidden.findChild<QListWidget *>(u"List1_0"_s)), display);
    }

    void mouseSession_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("display");
        QTest::addColumn<QString>("text");

        using namespace ExpectedOrder;
        QTest::newRow("at start") << QStringList{} << userOrder << Task;
        QTest::newRow("Азбучно") << QStringList{u"Азбучно"_s} << alphabetical << Task;
        QTest::newRow("Дължина") << QStringList{u"Дължина"_s} << byLength << Task;
        QTest::newRow("Изчисти empties the text")
            << QStringList{u"Дължина"_s, u"Изчисти"_s} << userOrder << QString();
        QTest::newRow("Избери with nothing selected")
            << QStringList{u"Избери"_s} << userOrder << shown(nothingSelected);
        QTest::newRow("Избери after a click on DHL")
            << QStringList{u"row:DHL"_s, u"Избери"_s} << userOrder << shown(selected(u"DHL"_s));
        QTest::newRow("Избери twice gives the same text")
            << QStringList{u"Дължина"_s, u"row:Тип Топ Куриер"_s, u"Избери"_s, u"Избери"_s}
            << byLength << shown(selected(u"Тип Топ Куриер"_s));
        QTest::newRow("a new order drops the selection")
            << QStringList{u"row:DHL"_s, u"Азбучно"_s, u"Избери"_s} << alphabetical
            << shown(nothingSelected);
    }

    void mouseSession()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, display);
        QFETCH(QString, text);

        for (const QString &step : steps) {
            if (step.startsWith(u"row:"_s))
                clickRow(step.mid(4));
            else
                clickButton(step);
        }
        QCOMPARE(itemsOf(this->display()), display);
        QCOMPARE(message()->toPlainText(), text);
    }

    // A list filled anew is read from the top, however far down it was.
    void refilledListShowsItsFirstRow_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Азбучно") << u"Азбучно"_s;
        QTest::newRow("Дължина") << u"Дължина"_s;
        QTest::newRow("Изчисти") << u"Изчисти"_s;
    }

    void refilledListShowsItsFirstRow()
    {
        QFETCH(QString, button);

        clickButton(u"Азбучно"_s);
        clickRow(ExpectedOrder::alphabetical.first());
        QTest::keyClick(display(), Qt::Key_End);
        QVERIFY(!display()->viewport()->rect().intersects(display()->visualItemRect(display()->item(0))));

        clickButton(button);
        QCoreApplication::processEvents();
        QVERIFY(display()->viewport()->rect().contains(display()->visualItemRect(display()->item(0))));
    }

    void messageShowsAsLinesWithoutCarriageReturns()
    {
        clickRow(u"Спиди"_s);
        clickButton(u"Избери"_s);
        QCOMPARE(message()->document()->blockCount(), 2);
        QCOMPARE(message()->document()->firstBlock().text(), u"Избрана фирма: Спиди"_s);
    }

    void keyboardFocusAloneIsNoSelection()
    {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        display()->setFocus(Qt::TabFocusReason);
        clickButton(u"Избери"_s);
        QCOMPARE(message()->toPlainText(), shown(ExpectedOrder::nothingSelected));

        display()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(display(), Qt::Key_Down);
        QTest::keyClick(display(), Qt::Key_Down);
        clickButton(u"Избери"_s);
        QCOMPARE(message()->toPlainText(), shown(ExpectedOrder::selected(display()->currentItem()->text())));
    }

    void screenReaderSeesItemsTextAndActions()
    {
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(display());
        QVERIFY(list);
        QCOMPARE(list->text(QAccessible::Name), u"Куриерски фирми"_s);
        QCOMPARE(list->childCount(), 21);
        QCOMPARE(list->child(0)->text(QAccessible::Name), u"Спиди"_s);

        QAccessibleInterface *text = QAccessible::queryAccessibleInterface(message());
        QVERIFY(!text->text(QAccessible::Name).isEmpty());
        QVERIFY(text->textInterface());
        QCOMPARE(text->textInterface()->text(0, 15), Task.left(15));

        clickRow(u"DHL"_s);
        QAccessibleInterface *button =
            QAccessible::queryAccessibleInterface(control<QPushButton>(u"Command1_1"_s));
        QCOMPARE(button->text(QAccessible::Name), u"Избери"_s);
        QVERIFY(button->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(message()->toPlainText(), shown(ExpectedOrder::selected(u"DHL"_s)));
    }

    void overflowInLoadIsReported()
    {
        MainForm broken({u"DHL"_s, QString(256, u'ж')});
        QSignalSpy failed(&broken, &MainForm::failed);
        QVERIFY(!broken.Load());
        QCOMPARE(failed.size(), 1);
        QVERIFY(failed.first().first().toString().contains(u"Препълване"_s));
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
