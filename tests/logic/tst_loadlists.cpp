#include "catalogue.h"
#include "expectedorders.h"
#include "loadlists.h"
#include "memoryform.h"
#include "systemlocale.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestLoadLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { verifySystemLocale(); }

    void fillsEachListInItsOrder_data()
    {
        QTest::addColumn<Integer>("element");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("display list in the user's order") << Integer(DisplayList) << ExpectedOrder::userOrder;
        QTest::newRow("user's order unchanged") << Integer(UserOrderList) << ExpectedOrder::userOrder;
        QTest::newRow("alphabetical") << Integer(AlphabeticalList) << ExpectedOrder::alphabetical;
        QTest::newRow("length keys") << Integer(LengthList) << ExpectedOrder::lengthKeys;
    }

    void fillsEachListInItsOrder()
    {
        QFETCH(Integer, element);
        QFETCH(QStringList, expected);

        MemoryForm form(Catalogue());
        LoadLists(form.controls);
        QCOMPARE(itemsOf(form.controls.List1(element)), expected);
    }

    void leavesNothingSelectedAndTheTextAlone()
    {
        const QString task = u"Задача\r\nвтори ред\r\n"_s;
        MemoryForm form(Catalogue(), task);
        LoadLists(form.controls);
        QCOMPARE(form.display.ListIndex(), Integer(-1));
        QCOMPARE(form.message.Text(), task);
    }

    void emptyCatalogueLeavesEveryListEmpty()
    {
        MemoryForm form({});
        LoadLists(form.controls);
        for (Integer element = DisplayList; element <= LengthList; ++element)
            QCOMPARE(form.controls.List1(element).ListCount(), Integer(0));
    }

    void replacesWhatTheDisplayAndAlphabeticalListsHeld()
    {
        MemoryForm form(Catalogue());
        form.display.AddItem(u"стар ред"_s);
        form.controls.List1(AlphabeticalList).AddItem(u"стар ред"_s);
        LoadLists(form.controls);
        QCOMPARE(itemsOf(form.display), ExpectedOrder::userOrder);
        QCOMPARE(itemsOf(form.list(AlphabeticalList)), ExpectedOrder::alphabetical);
    }

    void nameTooLongForItsKeyIsAnOverflow()
    {
        MemoryForm form({u"DHL"_s, QString(256, u'ж'), u"UPS"_s});
        QVERIFY_THROWS_EXCEPTION(RuntimeError, LoadLists(form.controls));
        QCOMPARE(form.list(UserOrderList).ListCount(), Integer(3));
    }
};

QTEST_GUILESS_MAIN(TestLoadLists)
#include "tst_loadlists.moc"
