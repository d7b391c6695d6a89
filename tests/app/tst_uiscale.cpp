#include "app/window/UiScale.h"

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
};

QTEST_GUILESS_MAIN(TestUiScale)
#include "tst_uiscale.moc"
