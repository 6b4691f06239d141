#include "catalogue.h"
#include "lengthkey.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void holdsTwentyOneFirms() { QCOMPARE(Catalogue().size(), 21); }

    void firmAtEachPosition_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("key");

        const struct {
            const char16_t *name;
            int length;
            const char16_t *key;
        } firms[] = {
            {u"Спиди", 5, u"05-Спиди"},
            {u"Тип Топ Куриер", 14, u"14-Тип Топ Куриер"},
            {u"Еконт експрес", 13, u"13-Еконт експрес"},
            {u"Европът 2000", 12, u"12-Европът 2000"},
            {u"Direct", 6, u"06-Direct"},
            {u"Сити Експрес", 12, u"12-Сити Експрес"},
            {u"Д&Д Експрес", 11, u"11-Д&Д Експрес"},
            {u"Ин Тайм", 7, u"07-Ин Тайм"},
            {u"Интерлогистика", 14, u"14-Интерлогистика"},
            {u"Български пощи", 14, u"14-Български пощи"},
            {u"МиБМ Експрес", 12, u"12-МиБМ Експрес"},
            {u"Арамекс", 7, u"07-Арамекс"},
            {u"Бизнес Куриер", 13, u"13-Бизнес Куриер"},
            {u"Експресо", 8, u"08-Експресо"},
            {u"ИНСИ", 4, u"04-ИНСИ"},
            {u"Алфа Експрес", 12, u"12-Алфа Експрес"},
            {u"Полипост", 8, u"08-Полипост"},
            {u"THT", 3, u"03-THT"},
            {u"DHL", 3, u"03-DHL"},
            {u"UPS", 3, u"03-UPS"},
            {u"OCB", 3, u"03-OCB"},
        };
        int position = 0;
        for (const auto &firm : firms) {
            const QString name = QString::fromUtf16(firm.name);
            QTest::newRow(qPrintable(u"%1 %2"_s.arg(position).arg(name)))
                << position << name << firm.length << QString::fromUtf16(firm.key);
            ++position;
        }
    }

    void firmAtEachPosition()
    {
        QFETCH(int, position);
        QFETCH(QString, name);
        QFETCH(int, length);
        QFETCH(QString, key);

        const QStringList catalogue = Catalogue();
        QCOMPARE(catalogue.value(position), name);
        QCOMPARE(name.size(), length);
        QCOMPARE(LengthKey(name), key);
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
