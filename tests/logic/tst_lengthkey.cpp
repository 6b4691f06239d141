#include "lengthkey.h"
#include "runtimeerror.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestLengthKey : public QObject
{
    Q_OBJECT

private slots:
    void keyOfName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("prefix");

        QTest::newRow("Спиди") << u"Спиди"_s << u"05-"_s;
        QTest::newRow("Алфа Експрес") << u"Алфа Експрес"_s << u"12-"_s;
        QTest::newRow("DHL") << u"DHL"_s << u"03-"_s;
        QTest::newRow("empty name gives the bare prefix") << QString() << u"00-"_s;
        QTest::newRow("one character") << u"Я"_s << u"01-"_s;
        QTest::newRow("nine characters get a leading zero") << u"Транспорт"_s << u"09-"_s;
        QTest::newRow("ten characters get none") << u"Транспорти"_s << u"10-"_s;
        QTest::newRow("99 characters") << QString(99, u'ж') << u"99-"_s;
        QTest::newRow("100 characters get three digits") << QString(100, u'ж') << u"100-"_s;
        QTest::newRow("255 characters, the longest") << QString(255, u'x') << u"255-"_s;
        QTest::newRow("spaces count as characters") << u"   "_s << u"03-"_s;
        QTest::newRow("a hyphen in the name stays") << u"-"_s << u"01-"_s;
    }

    void keyOfName()
    {
        QFETCH(QString, name);
        QFETCH(QString, prefix);
        QCOMPARE(LengthKey(name), prefix + name);
    }

    void tooLongNameOverflows_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("256 characters") << 256;
        QTest::newRow("1000 characters") << 1000;
        QTest::newRow("70000 characters") << 70000;
    }

    void tooLongNameOverflows()
    {
        QFETCH(int, length);
        try {
            LengthKey(QString(length, u'ж'));
            QFAIL("no error for a name that is too long");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.code(), RuntimeError::Code::Overflow);
            QCOMPARE(error.message(), u"Грешка при изпълнение 6: Препълване"_s);
        }
    }
};

QTEST_GUILESS_MAIN(TestLengthKey)
#include "tst_lengthkey.moc"
