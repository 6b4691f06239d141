#include "memorylist.h"
#include "systemlocale.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMemoryList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString expected = expectedSystemLocale();
        if (!expected.isEmpty())
            QCOMPARE(QLocale::system().name(), expected);
    }

    void addItemOrders_data()
    {
        QTest::addColumn<MemoryList::Sorting>("sorting");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("expected");

        const auto sorted = MemoryList::Sorting::Sorted;
        const auto unsorted = MemoryList::Sorting::Unsorted;

        QTest::newRow("unsorted keeps the order of adding")
            << unsorted << QStringList{u"Спиди"_s, u"DHL"_s, u"Арамекс"_s}
            << QStringList{u"Спиди"_s, u"DHL"_s, u"Арамекс"_s};
        QTest::newRow("Latin before Cyrillic")
            << sorted << QStringList{u"Спиди"_s, u"DHL"_s, u"Арамекс"_s}
            << QStringList{u"DHL"_s, u"Арамекс"_s, u"Спиди"_s};
        QTest::newRow("case is ignored, Latin")
            << sorted << QStringList{u"UPS"_s, u"direct"_s, u"DHL"_s, u"ocb"_s}
            << QStringList{u"DHL"_s, u"direct"_s, u"ocb"_s, u"UPS"_s};
        QTest::newRow("case is ignored, Cyrillic")
            << sorted << QStringList{u"Интерлогистика"_s, u"ИНСИ"_s, u"ин"_s}
            << QStringList{u"ин"_s, u"ИНСИ"_s, u"Интерлогистика"_s};
        QTest::newRow("a space before any letter")
            << sorted << QStringList{u"ИНСИ"_s, u"Ин Тайм"_s, u"Ина"_s}
            << QStringList{u"Ин Тайм"_s, u"Ина"_s, u"ИНСИ"_s};
        QTest::newRow("digits before letters, compared as text")
            << sorted << QStringList{u"12-Б"_s, u"Б"_s, u"03-Я"_s, u"100-А"_s}
            << QStringList{u"03-Я"_s, u"100-А"_s, u"12-Б"_s, u"Б"_s};
        QTest::newRow("Bulgarian alphabet order")
            << sorted << QStringList{u"я"_s, u"ъ"_s, u"щ"_s, u"ю"_s, u"ь"_s, u"й"_s, u"и"_s}
            << QStringList{u"и"_s, u"й"_s, u"щ"_s, u"ъ"_s, u"ь"_s, u"ю"_s, u"я"_s};
        QTest::newRow("dotted and dotless i as elsewhere in Europe")
            << sorted << QStringList{u"ıx"_s, u"IX"_s, u"ix"_s, u"İx"_s}
            << QStringList{u"IX"_s, u"ix"_s, u"İx"_s, u"ıx"_s};
        QTest::newRow("equal items keep the order of adding")
            << sorted << QStringList{u"dhl"_s, u"Арамекс"_s, u"DHL"_s, u"Dhl"_s}
            << QStringList{u"dhl"_s, u"DHL"_s, u"Dhl"_s, u"Арамекс"_s};
        QTest::newRow("empty item first")
            << sorted << QStringList{u"А"_s, QString(), u" "_s}
            << QStringList{QString(), u" "_s, u"А"_s};
        QTest::newRow("nothing added") << sorted << QStringList{} << QStringList{};
    }

    void addItemOrders()
    {
        QFETCH(MemoryList::Sorting, sorting);
        QFETCH(QStringList, added);
        QFETCH(QStringList, expected);

        MemoryList list(sorting);
        for (const QString &item : added)
            list.AddItem(item);

        QCOMPARE(list.ListCount(), expected.size());
        for (Integer i = 0; i < list.ListCount(); ++i)
            QCOMPARE(list.List(i), expected[i]);
    }

    void clearEmptiesAndDeselects_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<Integer>("selected");

        QTest::newRow("an empty list") << QStringList{} << Integer(-1);
        QTest::newRow("a list with nothing selected") << QStringList{u"a"_s, u"b"_s} << Integer(-1);
        QTest::newRow("a list with a selection") << QStringList{u"a"_s, u"b"_s} << Integer(1);
    }

    void clearEmptiesAndDeselects()
    {
        QFETCH(QStringList, items);
        QFETCH(Integer, selected);

        MemoryList list;
        for (const QString &item : items)
            list.AddItem(item);
        list.Select(selected);
        list.Clear();

        QCOMPARE(list.ListCount(), Integer(0));
        QCOMPARE(list.ListIndex(), Integer(-1));
    }

    void selectionFollowsItsItemWhenAnotherIsInsertedBefore()
    {
        MemoryList list(MemoryList::Sorting::Sorted);
        list.AddItem(u"Спиди"_s);
        list.AddItem(u"UPS"_s);
        list.Select(1);
        list.AddItem(u"DHL"_s);
        QCOMPARE(list.List(list.ListIndex()), u"Спиди"_s);
        list.AddItem(u"Я"_s);
        QCOMPARE(list.List(list.ListIndex()), u"Спиди"_s);
    }

    void positionOutsideTheListIsAnError_data()
    {
        QTest::addColumn<Integer>("position");
        QTest::newRow("-1") << Integer(-1);
        QTest::newRow("the count") << Integer(2);
        QTest::newRow("the largest position") << Integer(32767);
    }

    void positionOutsideTheListIsAnError()
    {
        QFETCH(Integer, position);
        MemoryList list;
        list.AddItem(u"a"_s);
        list.AddItem(u"b"_s);
        try {
            list.List(position);
            QFAIL("reading outside the list succeeded");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.code(), RuntimeError::Code::InvalidListIndex);
        }
    }

    void fullListTakesNoMoreAndLosesNothing_data()
    {
        QTest::addColumn<MemoryList::Sorting>("sorting");
        QTest::newRow("unsorted") << MemoryList::Sorting::Unsorted;
        QTest::newRow("sorted") << MemoryList::Sorting::Sorted;
    }

    void fullListTakesNoMoreAndLosesNothing()
    {
        QFETCH(MemoryList::Sorting, sorting);
        MemoryList list(sorting);
        for (int i = 0; i < 32767; ++i)
            list.AddItem(QString::number(i).rightJustified(5, u'0'));
        QCOMPARE(list.ListCount(), Integer(32767));

        QVERIFY_THROWS_EXCEPTION(RuntimeError, list.AddItem(u"00000"_s));
        QCOMPARE(list.ListCount(), Integer(32767));
        QCOMPARE(list.List(0), u"00000"_s);
        QCOMPARE(list.List(32766), u"32766"_s);
    }
};

QTEST_GUILESS_MAIN(TestMemoryList)
#include "tst_memorylist.moc"
