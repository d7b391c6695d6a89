#include "app/WindowDrag.h"

#include <QtTest>

// The drag rule on its own; the window's use of it is in tst_mousecfgwidget.
class TestWindowDrag : public QObject
{
    Q_OBJECT
private slots:
    void moves_data();
    void moves();
    void releaseEndsTheDrag();
};

// One press at `press` on a window at (10, 20), then one move; the window's new place, or none.
void TestWindowDrag::moves_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QPointF>("press");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QPoint>("target"); // (-1, -1): no move
    const QPoint none(-1, -1);
    QTest::newRow("four pixels across")
        << int(Qt::LeftButton) << QPointF(100, 100) << QPointF(103, 101) << none;
    QTest::newRow("four pixels back")
        << int(Qt::LeftButton) << QPointF(100, 100) << QPointF(96, 100) << none;
    QTest::newRow("four pixels down")
        << int(Qt::LeftButton) << QPointF(100, 100) << QPointF(98, 102) << none;
    QTest::newRow("five pixels") << int(Qt::LeftButton) << QPointF(100, 100) << QPointF(103, 102)
                                 << QPoint(13, 22);
    QTest::newRow("far back") << int(Qt::LeftButton) << QPointF(100, 100) << QPointF(90, 95)
                              << QPoint(0, 15);
    // 99.5 rounds to 100 and 103.5 to 104: four pixels, not yet a move; 104.5 to 105 is.
    QTest::newRow("rounded to four")
        << int(Qt::LeftButton) << QPointF(99.5, 100.4) << QPointF(103.5, 100.0) << none;
    QTest::newRow("rounded to five")
        << int(Qt::LeftButton) << QPointF(99.5, 100.4) << QPointF(104.5, 100.0) << QPoint(15, 20);
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::BackButton})
        QTest::newRow(qPrintable(QString("button %1").arg(int(button))))
            << int(button) << QPointF(100, 100) << QPointF(200, 200) << none;
}

void TestWindowDrag::moves()
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

void TestWindowDrag::releaseEndsTheDrag()
{
    WindowDrag drag;
    drag.press(Qt::LeftButton, QPointF(0, 0), QPoint(0, 0));
    QVERIFY(drag.move(QPointF(10, 0), nullptr));
    // Measured from the press, not from the last move.
    QVERIFY(!drag.move(QPointF(3, 1), nullptr));
    drag.release();
    QVERIFY(!drag.move(QPointF(50, 50), nullptr));
}

QTEST_GUILESS_MAIN(TestWindowDrag)
#include "tst_windowdrag.moc"
