#include "app/window/WindowDrag.h"

#include <QtTest>

// The drag rule on its own; the window's use of it is in tst_mousecfgwidget.
class TestWindowDrag : public QObject
{
    Q_OBJECT
private slots:
    // One press at `press` on a window at (10, 20), then one move; the new place, or none.
    void moves_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPointF>("press");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QPoint>("target"); // (-1, -1): no move
        const QPoint none(-1, -1);
        const auto row = [](const char* tag, QPointF press, QPointF to, QPoint target) {
            QTest::newRow(tag) << int(Qt::LeftButton) << press << to << target;
        };
        row("four pixels across", {100, 100}, {103, 101}, none);
        row("four pixels down", {100, 100}, {98, 102}, none);
        row("five pixels", {100, 100}, {103, 102}, {13, 22});
        row("far back", {100, 100}, {90, 95}, {0, 15});
        // 99.5 rounds to 100 and 103.5 to 104: four pixels, not yet a move; 104.5 to 105 is.
        row("rounded to four", {99.5, 100.4}, {103.5, 100.0}, none);
        row("rounded to five", {99.5, 100.4}, {104.5, 100.0}, {15, 20});
        for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::BackButton})
            QTest::newRow(qPrintable(QString("button %1").arg(int(button))))
                << int(button) << QPointF(100, 100) << QPointF(200, 200) << none;
    }

    void moves()
    {
        QFETCH(int, button);
        QFETCH(QPointF, press);
        QFETCH(QPointF, to);
        QFETCH(QPoint, target);
        WindowDrag drag;
        drag.press(Qt::MouseButton(button), press, QPoint(10, 20));
        QCOMPARE(drag.isDragging(), button == Qt::LeftButton);
        QPoint moved(-1, -1);
        QCOMPARE(drag.move(to, &moved), target != QPoint(-1, -1));
        QCOMPARE(moved, target);
    }

    void releaseEndsTheDrag()
    {
        WindowDrag drag;
        drag.press(Qt::LeftButton, QPointF(0, 0), QPoint(0, 0));
        QVERIFY(drag.move(QPointF(10, 0), nullptr));
        // Measured from the press, not from the last move.
        QVERIFY(!drag.move(QPointF(3, 1), nullptr));
        drag.release();
        QVERIFY(!drag.move(QPointF(50, 50), nullptr));
    }
};

QTEST_GUILESS_MAIN(TestWindowDrag)
#include "tst_windowdrag.moc"
