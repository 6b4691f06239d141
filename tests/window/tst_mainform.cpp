#include "catalogue.h"
#include "expectedorders.h"
#include "formcontrol.h"
#include "listwidgetitems.h"
#include "mainform.h"
#include "memoryform.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
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

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainForm> form;

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

private slots:
    void init()
    {
        form = std::make_unique<MainForm>(Catalogue());
        QVERIFY(form->Load());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() { form.reset(); }

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

    void keyboardFocusIsVisibleOnAButton()
    {
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        auto *button = control<QPushButton>(u"Command1_0"_s);
        const QImage before = button->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(button->hasFocus());
        QVERIFY(button->grab().toImage() != before);
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
        QApplication::setActiveWindow(form.get());
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

    void messageShowsAsLinesWithoutCarriageReturns()
    {
        clickRow(u"Спиди"_s);
        clickButton(u"Избери"_s);
        QCOMPARE(message()->document()->blockCount(), 2);
        QCOMPARE(message()->document()->firstBlock().text(), u"Избрана фирма: Спиди"_s);
    }

    void keyboardFocusAloneIsNoSelection()
    {
        QApplication::setActiveWindow(form.get());
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
