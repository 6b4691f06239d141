#include "catalogue.h"
#include "expectedorders.h"
#include "loadlists.h"
#include "memoryform.h"
#include "runcommand.h"
#include "systemlocale.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Task = u"Да се състави проект\r\n"_s;

// A step of a session: a button (0 to 3, or any other number), or a click on
// the display list's item with this text, written as "click:DHL".
using Steps = QStringList;

void perform(MemoryForm &form, const QString &step)
{
    if (step.startsWith(u"click:"_s)) {
        const Integer position = toInteger(itemsOf(form.display).indexOf(step.mid(6)));
        form.display.Select(position);
    } else {
        RunCommand(form.controls, Integer(step.toShort()));
    }
}

} // namespace

class TestRunCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { verifySystemLocale(); }

    void session_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QStringList>("display");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");

        using namespace ExpectedOrder;
        const QStringList user = userOrder;

        QTest::newRow("at start") << Steps{} << user << Task << QString();
        QTest::newRow("alphabetical") << Steps{u"0"_s} << alphabetical << Task << QString();
        QTest::newRow("by length") << Steps{u"3"_s} << byLength << Task << QString();
        QTest::newRow("user's order empties the text")
            << Steps{u"2"_s} << user << QString() << QString();
        QTest::newRow("report with nothing selected replaces the task")
            << Steps{u"1"_s} << user << nothingSelected << QString();
        QTest::newRow("report the clicked firm")
            << Steps{u"click:DHL"_s, u"1"_s} << user << selected(u"DHL"_s) << u"DHL"_s;
        QTest::newRow("report twice gives the same text")
            << Steps{u"click:DHL"_s, u"1"_s, u"1"_s} << user << selected(u"DHL"_s) << u"DHL"_s;
        QTest::newRow("report the first and the last row")
            << Steps{u"3"_s, u"click:DHL"_s, u"1"_s, u"click:Тип Топ Куриер"_s, u"1"_s}
            << byLength << selected(u"Тип Топ Куриер"_s) << u"Тип Топ Куриер"_s;
        QTest::newRow("report keeps the list and its selection")
            << Steps{u"0"_s, u"click:Спиди"_s, u"1"_s} << alphabetical << selected(u"Спиди"_s)
            << u"Спиди"_s;
        QTest::newRow("alphabetical drops the selection")
            << Steps{u"click:DHL"_s, u"0"_s, u"1"_s} << alphabetical << nothingSelected << QString();
        QTest::newRow("by length drops the selection")
            << Steps{u"click:DHL"_s, u"3"_s, u"1"_s} << byLength << nothingSelected << QString();
        QTest::newRow("user's order drops the selection")
            << Steps{u"click:DHL"_s, u"2"_s, u"1"_s} << user << nothingSelected << QString();
        QTest::newRow("alphabetical leaves a report in place")
            << Steps{u"click:UPS"_s, u"1"_s, u"0"_s} << alphabetical << selected(u"UPS"_s) << QString();
        QTest::newRow("by length leaves a report in place")
            << Steps{u"1"_s, u"3"_s} << byLength << nothingSelected << QString();
        QTest::newRow("user's order after by length")
            << Steps{u"3"_s, u"2"_s} << user << QString() << QString();
        QTest::newRow("same button again gives the same list")
            << Steps{u"3"_s, u"3"_s, u"3"_s} << byLength << Task << QString();
        QTest::newRow("unknown numbers change nothing")
            << Steps{u"click:Арамекс"_s, u"4"_s, u"-1"_s, u"99"_s, u"32767"_s, u"-32768"_s}
            << user << Task << u"Арамекс"_s;
    }

    void session()
    {
        QFETCH(Steps, steps);
        QFETCH(QStringList, display);
        QFETCH(QString, text);
        QFETCH(QString, selected);

        MemoryForm form(Catalogue(), Task);
        LoadLists(form.controls);
        for (const QString &step : steps)
            perform(form, step);

        QCOMPARE(itemsOf(form.display), display);
        QCOMPARE(form.message.Text(), text);
        const Integer index = form.display.ListIndex();
        QCOMPARE(index < 0 ? QString() : form.display.List(index), selected);
        QCOMPARE(itemsOf(form.list(UserOrderList)), ExpectedOrder::userOrder);
        QCOMPARE(itemsOf(form.list(AlphabeticalList)), ExpectedOrder::alphabetical);
        QCOMPARE(itemsOf(form.list(LengthList)), ExpectedOrder::lengthKeys);
    }

    // Any order of buttons and clicks: each list command shows its order
    // whatever came before, and the hidden lists never change.
    void randomSessions()
    {
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        MemoryForm form(Catalogue(), Task);
        LoadLists(form.controls);

        QStringList shown = ExpectedOrder::userOrder;
        QString text = Task;
        for (int step = 0; step < 2000; ++step) {
            const QString where = u"seed %1, step %2"_s.arg(seed).arg(step);
            const int command = random.bounded(5);
            if (command == 4) {
                form.display.Select(Integer(random.bounded(-1, 21)));
                continue;
            }
            const Integer selectedBefore = form.display.ListIndex();
            RunCommand(form.controls, Integer(command));
            if (command == AlphabeticalCommand)
                shown = ExpectedOrder::alphabetical;
            else if (command == LengthCommand)
                shown = ExpectedOrder::byLength;
            else if (command == UserOrderCommand) {
                shown = ExpectedOrder::userOrder;
                text.clear();
            } else {
                text = selectedBefore < 0 ? ExpectedOrder::nothingSelected
                                          : ExpectedOrder::selected(shown[selectedBefore]);
            }
            QVERIFY2(itemsOf(form.display) == shown, qPrintable(where));
            QVERIFY2(form.message.Text() == text, qPrintable(where));
            QVERIFY2(command == ReportCommand ? form.display.ListIndex() == selectedBefore
                                              : form.display.ListIndex() == -1,
                     qPrintable(where));
        }
        QCOMPARE(itemsOf(form.list(UserOrderList)), ExpectedOrder::userOrder);
        QCOMPARE(itemsOf(form.list(AlphabeticalList)), ExpectedOrder::alphabetical);
        QCOMPARE(itemsOf(form.list(LengthList)), ExpectedOrder::lengthKeys);
    }

    void emptyCatalogue_data()
    {
        QTest::addColumn<Integer>("command");
        QTest::addColumn<QString>("text");
        QTest::newRow("alphabetical") << Integer(AlphabeticalCommand) << Task;
        QTest::newRow("report") << Integer(ReportCommand) << ExpectedOrder::nothingSelected;
        QTest::newRow("user's order") << Integer(UserOrderCommand) << QString();
        QTest::newRow("by length") << Integer(LengthCommand) << Task;
    }

    void emptyCatalogue()
    {
        QFETCH(Integer, command);
        QFETCH(QString, text);
        MemoryForm form({}, Task);
        LoadLists(form.controls);
        RunCommand(form.controls, command);
        QCOMPARE(form.display.ListCount(), Integer(0));
        QCOMPARE(form.message.Text(), text);
    }

    void keyTooShortToHoldANameIsAnError()
    {
        MemoryForm form({u"DHL"_s}, Task);
        LoadLists(form.controls);
        form.controls.List1(LengthList).Clear();
        form.controls.List1(LengthList).AddItem(u"03"_s);
        try {
            RunCommand(form.controls, LengthCommand);
            QFAIL("a key of two characters was read as a name");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.code(), RuntimeError::Code::InvalidArgument);
        }
    }
};

QTEST_GUILESS_MAIN(TestRunCommand)
#include "tst_runcommand.moc"
