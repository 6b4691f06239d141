#include "qttranslation.h"
#include "systemlocale.h"

#include <QAccessibleActionInterface>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

// Qt's own texts come in Bulgarian whatever the system's language is: CTest
// runs this test again under C, en_US and bg_BG.
class TestQtTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        verifySystemLocale();
        QVERIFY(installQtTranslation());
    }

    void qtTextsHaveNoEnglish_data()
    {
        QTest::addColumn<QStringList>("texts");

        QPlainTextEdit edit(u"текст"_s);
        edit.selectAll();
        std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QStringList menuTexts;
        for (const QAction *action : menu->actions()) {
            // After a tab comes the shortcut, in the keys' own names (Ctrl+Z).
            if (!action->isSeparator())
                menuTexts << action->text().section(u'\t', 0, 0);
        }
        QTest::newRow("text box context menu") << menuTexts;

        QMessageBox box(QMessageBox::Critical, u"заглавие"_s, u"грешка"_s, QMessageBox::Ok);
        QTest::newRow("message box button") << QStringList{box.button(QMessageBox::Ok)->text()};

        QPushButton button(u"бутон"_s);
        QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(&button)->actionInterface();
        const QString press = QAccessibleActionInterface::pressAction();
        QTest::newRow("screen reader's press action")
            << QStringList{actions->localizedActionName(press), actions->localizedActionDescription(press)};
    }

    void qtTextsHaveNoEnglish()
    {
        QFETCH(QStringList, texts);

        QVERIFY(!texts.isEmpty());
        static const QRegularExpression latin(u"[A-Za-z]"_s);
        for (const QString &text : texts)
            QVERIFY2(!text.isEmpty() && !text.contains(latin), qPrintable(text));
    }
};

QTEST_MAIN(TestQtTranslation)
#include "tst_qttranslation.moc"
