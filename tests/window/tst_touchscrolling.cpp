#include "finger.h"
#include "formcontrol.h"
#include "shownform.h"

#include <QListWidget>
#include <QScrollBar>
#include <QScroller>
#include <QTest>

using namespace Qt::StringLiterals;

// A finger on the real list, as a touch screen gives it to Qt: drags and
// flicks, then the tap that must choose a row, or only stop the list.
class TestTouchScrolling : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainForm> form;
    QListWidget *list = nullptr;

    int top() const { return list->indexAt(QPoint(1, 1)).row(); }
    int position() const { return list->verticalScrollBar()->value(); }

private slots:
    void init()
    {
        form = shownForm();
        list = formControl<QListWidget>(form.get(), u"List1_0"_s);
    }

    void cleanup() { form.reset(); }

    void tap_data()
    {
        // Points in the list's coordinates: its frame is two pixels wide
        // and its rows 19 pixels high.
        QTest::addColumn<int>("startRow"); // at the top of the list; -1: scrolled to its end
        QTest::addColumn<QList<QPoint>>("gesture");
        QTest::addColumn<int>("pace"); // milliseconds from one point to the next
        QTest::addColumn<bool>("whileMoving"); // the tap comes at once, not once the list rests
        QTest::addColumn<QList<QPoint>>("tap");
        QTest::addColumn<bool>("chooses"); // the row at the tap's height, or none

        const QList<QPoint> tap{QPoint(30, 50)};
        const auto held = [](QPoint from, QPoint to) { return stroke(from, to, 8) + QList<QPoint>(3, to); };
        const QList<QPoint> fling = stroke(QPoint(30, 90), QPoint(30, 10), 4);
        QTest::newRow("a drag down at the top, then a tap") << 0 << held({30, 20}, {30, 70}) << 20 << false << tap << true;
        QTest::newRow("a drag up at the end, then a tap") << -1 << held({30, 80}, {30, 30}) << 20 << false << tap << true;
        QTest::newRow("a drag mid-list, then a tap") << 8 << held({30, 70}, {30, 40}) << 20 << false << tap << true;
        QTest::newRow("a fling, then a tap while it moves") << 0 << fling << 5 << true << tap << false;
        QTest::newRow("a fling, then a tap once it rests") << 0 << fling << 5 << false << tap << true;
        const QList<QPoint> trembling{{30, 50}, {32, 49}, {29, 52}, {31, 51}};
        QTest::newRow("a trembling tap") << 0 << QList<QPoint>() << 0 << false << trembling << true;
        QTest::newRow("a tap on the frame beside a row")
            << 0 << QList<QPoint>() << 0 << false << QList<QPoint>{{1, 50}} << true;
    }

    void tap()
    {
        QFETCH(int, startRow);
        QFETCH(QList<QPoint>, gesture);
        QFETCH(int, pace);
        QFETCH(bool, whileMoving);
        QFETCH(QList<QPoint>, tap);
        QFETCH(bool, chooses);

        list->scrollToItem(list->item(startRow < 0 ? list->count() - 1 : startRow), QAbstractItemView::PositionAtTop);
        const int before = top();
        if (!gesture.isEmpty())
            touchPath(list, gesture, pace);
        if (whileMoving) {
            QCOMPARE(QScroller::scroller(list->viewport())->state(), QScroller::Scrolling);
        } else {
            QVERIFY(QTest::qWaitFor([this] { return restsOnScreen(list); }, 5000));
            // A drag moves the list as far as the finger, a row or two.
            if (pace > 5)
                QVERIFY2(qAbs(top() - before) <= 2, qPrintable(u"from row %1 to %2"_s.arg(before).arg(top())));
        }
        const int shown = list->indexAt(QPoint(0, tap.first().y() - list->viewport()->y())).row();
        touchPath(list, tap, 10);
        const int stoppedAt = position();
        QCOMPARE(list->selectedItems().size(), chooses ? 1 : 0);
        if (chooses) {
            QCOMPARE(list->currentRow(), shown);
            QCOMPARE(QApplication::focusWidget(), list);
        } else {
            // Only stopped, where it was.
            QTest::qWait(500);
            QVERIFY2(qAbs(position() - stoppedAt) <= list->sizeHintForRow(0),
                     qPrintable(u"from %1 on to %2"_s.arg(stoppedAt).arg(position())));
        }
    }
};

QTEST_MAIN(TestTouchScrolling)
#include "tst_touchscrolling.moc"
