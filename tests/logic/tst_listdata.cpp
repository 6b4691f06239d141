#include "collation.h"
#include "listdata.h"
#include "memoryform.h"
#include "systemlocale.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// What a sorted list must look like: each item inserted at its place as soon
// as it is added, after the items equal to it.
struct InsertingList
{
    QStringList items;
    Integer selected = -1;

    void add(const QString &item)
    {
        const qsizetype place =
            std::upper_bound(items.cbegin(), items.cend(), item, sortsBefore) - items.cbegin();
        items.insert(place, item);
        if (selected >= place)
            ++selected;
    }
};

const QString Refused = u"<refused>"_s;

// The item at a position, or Refused when the list reports a bad position.
QString itemAt(const ListData &list, Integer position)
{
    try {
        return list.List(position);
    } catch (const RuntimeError &error) {
        return error.code() == RuntimeError::Code::InvalidListIndex ? Refused : error.message();
    }
}

QString itemAt(const InsertingList &list, Integer position)
{
    return position >= 0 && position < list.items.size() ? list.items[position] : Refused;
}

// Every word of up to maxLength letters, the empty one included.
QStringList allWords(const QString &letters, int maxLength)
{
    QStringList words{QString()};
    for (qsizetype from = 0; maxLength-- > 0;) {
        const qsizetype to = words.size();
        for (qsizetype i = from; i < to; ++i)
            for (QChar letter : letters)
                words.append(words[i] + letter);
        from = to;
    }
    return words;
}

// How often each step is taken, relative to the others.
struct StepWeights
{
    int add, read, select, clear;
};

} // namespace

Q_DECLARE_METATYPE(StepWeights)

class TestListData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { verifySystemLocale(); }

    void addItemOrders_data()
    {
        QTest::addColumn<ListData::Sorting>("sorting");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("expected");

        const auto sorted = ListData::Sorting::Sorted;
        const auto unsorted = ListData::Sorting::Unsorted;

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
        QTest::newRow("dotless i as i, dotted I after it, not as in Turkish")
            << sorted << QStringList{u"ix"_s, u"ıx"_s, u"İx"_s, u"IX"_s}
            << QStringList{u"ix"_s, u"ıx"_s, u"IX"_s, u"İx"_s};
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
        QFETCH(ListData::Sorting, sorting);
        QFETCH(QStringList, added);
        QFETCH(QStringList, expected);

        ListData list(sorting);
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

        ListData list;
        for (const QString &item : items)
            list.AddItem(item);
        list.Select(selected);
        list.Clear();

        QCOMPARE(list.ListCount(), Integer(0));
        QCOMPARE(list.ListIndex(), Integer(-1));
    }

    void selectionFollowsItsItemWhenAnotherIsInsertedBefore()
    {
        ListData list(ListData::Sorting::Sorted);
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
        ListData list;
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
        QTest::addColumn<ListData::Sorting>("sorting");
        QTest::newRow("unsorted") << ListData::Sorting::Unsorted;
        QTest::newRow("sorted") << ListData::Sorting::Sorted;
    }

    void fullListTakesNoMoreAndLosesNothing()
    {
        QFETCH(ListData::Sorting, sorting);
        ListData list(sorting);
        for (int i = 0; i < 32767; ++i)
            list.AddItem(QString::number(i).rightJustified(5, u'0'));
        QCOMPARE(list.ListCount(), Integer(32767));

        QVERIFY_THROWS_EXCEPTION(RuntimeError, list.AddItem(u"00000"_s));
        QCOMPARE(list.ListCount(), Integer(32767));
        QCOMPARE(list.List(0), u"00000"_s);
        QCOMPARE(list.List(32766), u"32766"_s);
    }

    void ordersAcrossReads_data()
    {
        QTest::addColumn<QList<QStringList>>("batches");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("equal to items read before goes after them")
            << QList<QStringList>{{u"dhl"_s, u"Арамекс"_s}, {u"DHL"_s}, {u"Dhl"_s, u"dHL"_s}}
            << QStringList{u"dhl"_s, u"DHL"_s, u"Dhl"_s, u"dHL"_s, u"Арамекс"_s};
        QTest::newRow("new items before, among and after the old")
            << QList<QStringList>{{u"b"_s, u"d"_s}, {u"e"_s, u"a"_s, u"c"_s}}
            << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s};
        QTest::newRow("all new items before the old")
            << QList<QStringList>{{u"x"_s, u"y"_s}, {u"b"_s, u"a"_s}}
            << QStringList{u"a"_s, u"b"_s, u"x"_s, u"y"_s};
        QTest::newRow("one item between reads")
            << QList<QStringList>{{u"c"_s}, {u"A"_s}, {u"b"_s}, {u"a"_s}}
            << QStringList{u"A"_s, u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("a read of an empty list")
            << QList<QStringList>{{}, {u"b"_s, u"a"_s}} << QStringList{u"a"_s, u"b"_s};
    }

    // The list is read after each batch, so later batches join items
    // already in place.
    void ordersAcrossReads()
    {
        QFETCH(QList<QStringList>, batches);
        QFETCH(QStringList, expected);

        ListData list(ListData::Sorting::Sorted);
        QStringList items;
        for (const QStringList &batch : batches) {
            for (const QString &item : batch)
                list.AddItem(item);
            items = itemsOf(list);
        }
        QCOMPARE(items, expected);
    }

    void selectionFollowsItsItem_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<Integer>("selected");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<Integer>("expected");

        const QStringList bd{u"b"_s, u"d"_s};
        QTest::newRow("items added before it") << bd << Integer(1) << QStringList{u"c"_s, u"a"_s} << Integer(3);
        QTest::newRow("items added after it") << bd << Integer(0) << QStringList{u"e"_s, u"c"_s} << Integer(0);
        QTest::newRow("equal items go after it")
            << QStringList{u"dhl"_s, u"Арамекс"_s} << Integer(0) << QStringList{u"DHL"_s, u"Dhl"_s} << Integer(0);
        QTest::newRow("it is the later of two equal items")
            << QStringList{u"dhl"_s, u"DHL"_s} << Integer(1) << QStringList{u"Dhl"_s, u"a"_s} << Integer(2);
        QTest::newRow("nothing selected stays so") << bd << Integer(-1) << QStringList{u"a"_s} << Integer(-1);
    }

    // Items are added after the selection with no read in between.
    void selectionFollowsItsItem()
    {
        QFETCH(QStringList, items);
        QFETCH(Integer, selected);
        QFETCH(QStringList, added);
        QFETCH(Integer, expected);

        ListData list(ListData::Sorting::Sorted);
        for (const QString &item : items)
            list.AddItem(item);
        list.Select(selected);
        for (const QString &item : added)
            list.AddItem(item);

        QCOMPARE(list.ListIndex(), expected);
        if (selected >= 0)
            QCOMPARE(list.List(expected), items[selected]);
    }

    void behavesAsInsertingInPlace_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<QStringList>("pool");
        QTest::addColumn<StepWeights>("weights");

        // Case variants of the same word are equal for the list but not for
        // QCOMPARE, so they show whether ties keep the order of adding.
        const QStringList words = allWords(u"aAbBяЯ "_s, 2);
        const QStringList equal{u"dhl"_s, u"DHL"_s, u"Dhl"_s, u"dHl"_s, u"dhL"_s};
        const quint32 fresh = QRandomGenerator::global()->generate();

        QTest::newRow("seed 1, a read after about every add") << 1u << words << StepWeights{2, 2, 1, 0};
        QTest::newRow("seed 2, long runs of adds") << 2u << words << StepWeights{60, 2, 2, 0};
        QTest::newRow("seed 3, clears now and then") << 3u << words << StepWeights{20, 5, 3, 1};
        QTest::newRow("seed 4, equal items only") << 4u << equal << StepWeights{8, 3, 2, 0};
        QTest::addRow("seed %u, new on each run", fresh) << fresh << words << StepWeights{10, 3, 2, 1};
    }

    // Random adds, reads, selections and clears, compared after every step
    // with a list that inserts each item in place as it is added.
    void behavesAsInsertingInPlace()
    {
        QFETCH(quint32, seed);
        QFETCH(QStringList, pool);
        QFETCH(StepWeights, weights);

        QRandomGenerator random(seed);
        ListData list(ListData::Sorting::Sorted);
        InsertingList expected;
        int step = 0;
        QString action;
        const auto report = qScopeGuard([&] {
            if (QTest::currentTestFailed())
                qWarning("seed %u, step %d: %s", seed, step, qPrintable(action));
        });

        const int total = weights.add + weights.read + weights.select + weights.clear;
        for (; step < 2000; ++step) {
            const int roll = random.bounded(total);
            // Positions from one before the list to one past it.
            const auto position = [&] {
                return Integer(random.bounded(-1, int(expected.items.size()) + 1));
            };
            if (roll < weights.add) {
                const QString item = pool[random.bounded(pool.size())];
                action = u"add \"%1\""_s.arg(item);
                list.AddItem(item);
                expected.add(item);
                QCOMPARE(list.ListCount(), expected.items.size());
            } else if (roll < weights.add + weights.read) {
                const Integer at = position();
                action = u"read %1"_s.arg(at);
                QCOMPARE(itemAt(list, at), itemAt(expected, at));
                QCOMPARE(itemsOf(list), expected.items);
                QCOMPARE(list.ListIndex(), expected.selected);
            } else if (roll < weights.add + weights.read + weights.select) {
                const Integer at = position();
                action = u"select %1"_s.arg(at);
                bool refused = false;
                try {
                    list.Select(at);
                } catch (const RuntimeError &) {
                    refused = true;
                }
                QCOMPARE(refused, at >= expected.items.size());
                if (!refused)
                    expected.selected = at;
                QCOMPARE(list.ListIndex(), expected.selected);
            } else {
                action = u"clear"_s;
                list.Clear();
                expected = {};
                QCOMPARE(list.ListCount(), Integer(0));
                QCOMPARE(list.ListIndex(), Integer(-1));
            }
        }
        action = u"comparing the whole list at the end"_s;
        QCOMPARE(itemsOf(list), expected.items);
        QCOMPARE(list.ListIndex(), expected.selected);
    }
};

QTEST_GUILESS_MAIN(TestListData)
#include "tst_listdata.moc"
