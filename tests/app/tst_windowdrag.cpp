#include "app/WindowDrag.h"

#include <QtTest>

// The drag rule on its own; the window's use of it is in tst_mousecfgwidget.
class TestWindowDrag : public QObject
{
    Q_OBJECT
private slots:
    void jitterOfFourPixelsDoesNotMove();
    void fivePixelsMove();
    void onlyTheLeftButtonDrags();
    void releaseEndsTheDrag();
    void positionsRoundLikeQRound();
};

void TestWindowDrag::jitterOfFourPixelsDoesNotMove()
{
    WindowDrag drag;
    drag.press(Qt::LeftButton, QPointF(100, 100), QPoint(10, 20));
    QPoint target(-1, -1);
    QVERIFY(!drag.move(QPointF(103, 101), &target));
    QVERIFY(!drag.move(QPointF(96, 100), &target));
    QVERIFY(!drag.move(QPointF(98, 102), &target));
    QCOMPARE(target, QPoint(-1, -1));
}

void TestWindowDrag::fivePixelsMove()
{
    WindowDrag drag;
    drag.press(Qt::LeftButton, QPointF(100, 100), QPoint(10, 20));
    QPoint target;
    QVERIFY(drag.move(QPointF(103, 102), &target));
    QCOMPARE(target, QPoint(13, 22));
    // Always measured from the press, not from the last move.
    QVERIFY(drag.move(QPointF(90, 95), &target));
    QCOMPARE(target, QPoint(0, 15));
}

void TestWindowDrag::onlyTheLeftButtonDrags()
{
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::BackButton}) {
        WindowDrag drag;
        drag.press(button, QPointF(100, 100), QPoint(0, 0));
        QVERIFY(!drag.isDragging());
        QVERIFY(!drag.move(QPointF(200, 200), nullptr));
    }
}

void TestWindowDrag::releaseEndsTheDrag()
{
    WindowDrag drag;
    drag.press(Qt::LeftButton, QPointF(0, 0), QPoint(0, 0));
    QVERIFY(drag.isDragging());
    drag.release();
    QVERIFY(!drag.move(QPointF(50, 50), nullptr));
}

void TestWindowDrag::positionsRoundLikeQRound()
{
    WindowDrag drag;
    // 100.5 rounds to 101, 99.5 to 100: the offset is (4, 0), not yet a move.
    drag.press(Qt::LeftButton, QPointF(99.5, 100.4), QPoint(0, 0));
    QVERIFY(!drag.move(QPointF(103.5, 100.0), nullptr));
    QPoint target;
    QVERIFY(drag.move(QPointF(104.5, 100.0), &target));
    QCOMPARE(target, QPoint(5, 0));
}

QTEST_GUILESS_MAIN(TestWindowDrag)
#include "tst_windowdrag.moc"
