#include "app/window/UiScale.h"
#include "app/window/WindowScale.h"

#include <QtTest>

class TestUiScale : public QObject
{
    Q_OBJECT
private slots:
    // Below the first threshold, beyond the last and without a figure; the thresholds between
    // are everyThreshold's.
    void outsideTheSteps_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("index");
        QTest::newRow("96") << 96.0 << 1.0 << 0;
        QTest::newRow("beyond the last") << 96.0 * 9.0 << 5.0 << 16;
        QTest::newRow("none") << 0.0 << 1.0 << 0;
    }
    void outsideTheSteps()
    {
        QFETCH(double, dpi);
        QFETCH(double, scale);
        QFETCH(int, index);
        int step = -1;
        QCOMPARE(UiScale::fromLogicalDpi(dpi, &step), scale);
        QCOMPARE(step, index);
    }

    // Reaching a threshold counts, even through the division by 96; just below it does not.
    void everyThreshold()
    {
        const double thresholds[] = {1.1, 1.4, 1.6, 1.8, 2.1, 2.3, 2.6, 2.8,
                                     3.1, 3.3, 3.6, 3.8, 4.1, 4.3, 4.6, 4.8};
        for (int k = 0; k < UiScale::kStepCount; ++k) {
            int step = -1;
            QCOMPARE(UiScale::fromLogicalDpi(thresholds[k] * 96.0, &step), 1.0 + 0.25 * (k + 1));
            QCOMPARE(step, k + 1);
            QCOMPARE(UiScale::indexForRatio(thresholds[k] - 0.001), k);
            QCOMPARE(UiScale::fromLogicalDpi(thresholds[k] * 96.0 - 0.1), 1.0 + 0.25 * k);
        }
    }

    // The largest step that fits what the panels leave of the screen, and the whole window on
    // it; with the toolkit's own pixel ratio the steps are of the size on the screen.
    void fitsTheScreen_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QRect>("available"); // in the toolkit's pixels
        QTest::addColumn<double>("scale");
        QTest::addColumn<QRect>("frame");
        const QRect wide(0, 0, 1920, 1200);
        QTest::newRow("96") << 96.0 << 1.0 << wide << 1.0 << QRect(460, 280, 999, 640);
        QTest::newRow("192") << 192.0 << 1.0 << wide << 1.75 << QRect(86, 40, 1748, 1120);
        QTest::newRow("175 % under a panel")
            << 168.0 << 1.0 << QRect(0, 0, 1920, 1040) << 1.5 << QRect(210, 40, 1499, 960);
        QTest::newRow("exactly as large")
            << 192.0 << 1.0 << QRect(0, 0, 1998, 1280) << 2.0 << QRect(0, 0, 1998, 1280);
        QTest::newRow("second screen")
            << 144.0 << 1.0 << QRect(1980, 0, 1860, 1080) << 1.5 << QRect(2160, 60, 1499, 960);
        QTest::newRow("too small")
            << 192.0 << 1.0 << QRect(10, 20, 800, 600) << 1.0 << QRect(10, 20, 999, 640);
        // 1920 × 1200 at a pixel ratio of 2 is 960 × 600: 1.75 on screen is 0.875 here.
        QTest::newRow("ratio 2") << 96.0 << 2.0 << QRect(0, 0, 960, 600) << 0.875
                                 << QRect(43, 20, 874, 560);
        QTest::newRow("ratio 1.75 under a panel")
            << 96.0 << 1.75 << QRect(0, 0, 1097, 594) << 1.5 / 1.75 << QRect(121, 22, 856, 549);
        QTest::newRow("ratio 2, too small")
            << 96.0 << 2.0 << QRect(0, 0, 400, 300) << 0.5 << QRect(0, 0, 500, 320);
    }
    void fitsTheScreen()
    {
        QFETCH(double, dpi);
        QFETCH(double, ratio);
        QFETCH(QRect, available);
        QFETCH(double, scale);
        QFETCH(QRect, frame);
        const WindowScale::Placement placement = WindowScale::place(dpi, ratio, available);
        QCOMPARE(placement.dScale, scale);
        QCOMPARE(placement.frame, frame);
    }
};

QTEST_GUILESS_MAIN(TestUiScale)
#include "tst_uiscale.moc"
