#include "app/MainLayout.h"
#include "app/UiScale.h"

#include <QtTest>

class TestUiScale : public QObject
{
    Q_OBJECT
private slots:
    void commonScreens_data();
    void commonScreens();
    void everyThreshold();
    void layoutMultipliesEveryCoordinate();
    void switchedOffTabsGetZeroSize();
};

void TestUiScale::commonScreens_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("index");
    QTest::newRow("96") << 96.0 << 1.0 << 0;
    QTest::newRow("120") << 120.0 << 1.25 << 1;
    QTest::newRow("144") << 144.0 << 1.5 << 2;
    QTest::newRow("72") << 72.0 << 1.0 << 0;
    QTest::newRow("192") << 192.0 << 2.0 << 4;
    QTest::newRow("last threshold") << 96.0 * 4.8 << 5.0 << 16;
    QTest::newRow("beyond the last") << 96.0 * 9.0 << 5.0 << 16;
    QTest::newRow("none") << 0.0 << 1.0 << 0;
}

void TestUiScale::commonScreens()
{
    QFETCH(double, dpi);
    QFETCH(double, scale);
    QFETCH(int, index);
    int step = -1;
    QCOMPARE(UiScale::fromLogicalDpi(dpi, &step), scale);
    QCOMPARE(step, index);
}

// Reaching a threshold counts, even through the division by 96; just below it does not.
void TestUiScale::everyThreshold()
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

void TestUiScale::layoutMultipliesEveryCoordinate()
{
    QCOMPARE(MainLayout::rect(MainLayout::ApplyButton, 1.0), QRect(701, 588, 128, 30));
    QCOMPARE(MainLayout::rect(MainLayout::ApplyButton, 1.25), QRect(876, 735, 160, 38));
    QCOMPARE(MainLayout::rect(MainLayout::TabDpi, 1.5), QRect(104, 237, 231, 44));
    QCOMPARE(MainLayout::rect(MainLayout::SidePicture, 2.0), QRect(1274, 198, 632, 886));
    // Rounded, not cut: 19 × 1.25 = 23.75.
    QCOMPARE(MainLayout::rect(MainLayout::CloseButton, 1.25).width(), 24);
    for (int c = 0; c < MainLayout::ControlCount; ++c) {
        const auto control = static_cast<MainLayout::Control>(c);
        const QRect base = MainLayout::baseRect(control);
        // Every visible control lies within the 999 × 640 window.
        if (!base.isEmpty())
            QVERIFY2(QRect(0, 0, MainLayout::kWidth, MainLayout::kHeight).contains(base),
                     qPrintable(QString::number(c)));
    }
}

void TestUiScale::switchedOffTabsGetZeroSize()
{
    const QRect none(0, 0, 0, 0);
    // Controls this window leaves off stay off at any scale.
    for (MainLayout::Control c :
         {MainLayout::FirmwareUpdateButton, MainLayout::SlotButton5, MainLayout::ExportButton})
        QCOMPARE(MainLayout::rect(c, 1.5), none);
    MainLayout::Flags flags;
    QCOMPARE(MainLayout::rect(MainLayout::TabLighting, 1.0, flags), QRect(69, 90, 154, 29));
    QCOMPARE(MainLayout::rect(MainLayout::TabMacro, 1.0, flags), QRect(69, 192, 154, 29));
    flags.bLedDisable = true;
    QCOMPARE(MainLayout::rect(MainLayout::TabLighting, 1.0, flags), none);
    QCOMPARE(MainLayout::rect(MainLayout::TabMacro, 1.0, flags), QRect(69, 192, 154, 29));
    flags.bDisableMacro = true;
    QCOMPARE(MainLayout::rect(MainLayout::TabMacro, 1.0, flags), none);
    QCOMPARE(MainLayout::rect(MainLayout::TabCustomize, 1.0, flags), QRect(69, 124, 154, 29));
}

QTEST_GUILESS_MAIN(TestUiScale)
#include "tst_uiscale.moc"
