#include "TestAppFolder.h"
#include "model/MouseConfig.h"
#include "pages/KivoPointSpeed.h"
#include "widgets/KivoPushButton.h"

#include <QCheckBox>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

// The mouse setting page: the on/off pairs and their encodings, what a refresh shows and keeps,
// and what Apply collects.
class TestPointSpeed : public QObject
{
    Q_OBJECT
    TestAppFolder m_Folder;

private slots:
    void pairs_data()
    {
        QTest::addColumn<int>("pair");
        QTest::addColumn<int>("first");  // value of the first box (ON, 1mm)
        QTest::addColumn<int>("second"); // value of the second box (OFF, 2mm)
        QTest::newRow("sync") << int(KivoPointSpeed::SyncPair) << 1 << 0;
        QTest::newRow("lift") << int(KivoPointSpeed::LiftPair) << 1 << 2;
        QTest::newRow("angle") << int(KivoPointSpeed::AnglePair) << 0 << 1;
        QTest::newRow("jitter") << int(KivoPointSpeed::JitterPair) << 0 << 1;
    }

    void pairs()
    {
        QFETCH(int, pair);
        QFETCH(int, first);
        QFETCH(int, second);
        ProfileData profile;
        KivoPointSpeed page(&profile, nullptr, 1.0, Qt::red);
        page.retranslate();
        page.show();
        QSignalSpy lift(&page, &KivoPointSpeed::LiftSignal);
        const auto p = KivoPointSpeed::Pair(pair);
        const int values[] = {first, second, second, first};
        const bool boxes[] = {true, false, false, true}; // the third click is on a checked box
        for (int i = 0; i < 4; ++i) {
            QTest::mouseClick(page.box(p, boxes[i]), Qt::LeftButton);
            QVERIFY(page.box(p, boxes[i])->isChecked());
            QVERIFY(!page.box(p, !boxes[i])->isChecked());
            MouseConfig live;
            page.collect(live);
            const int collected[] = {live.Sync, live.LiftHigh, live.AngleValue, live.Jitter};
            QCOMPARE(collected[pair], values[i]);
        }
        QCOMPARE(lift.count(), p == KivoPointSpeed::LiftPair ? 4 : 0);
    }

    void refresh_data()
    {
        QTest::addColumn<QVector<int>>("given"); // key response, sync, lift, angle, jitter, scroll
        QTest::addColumn<QVector<int>>("kept");
        QTest::addColumn<QVector<bool>>("first"); // first box checked: sync, lift, angle, jitter
        using V = QVector<int>;
        using B = QVector<bool>;
        QTest::newRow("all second")
            << V{30, 0, 2, 1, 1, 20} << V{30, 0, 2, 1, 1, 20} << B{false, false, false, false};
        // Out of range: what is shown is what is kept.
        QTest::newRow("lift 0, below ranges")
            << V{2, 0, 0, 1, 0, 0} << V{5, 0, 2, 1, 0, 1} << B{false, false, false, true};
        QTest::newRow("lift 3, above ranges")
            << V{31, 1, 3, 0, 1, 40} << V{30, 1, 2, 0, 1, 20} << B{true, false, true, false};
    }

    void refresh()
    {
        QFETCH(QVector<int>, given);
        QFETCH(QVector<int>, kept);
        QFETCH(QVector<bool>, first);
        ProfileData profile;
        profile.scrollspeed = quint8(given[5]);
        profile.mousespeed = 13;
        KivoPointSpeed page(&profile, nullptr, 1.0, Qt::red);
        page.refresh(given[0], given[1], given[2], given[3], given[4]);
        QCOMPARE(page.keyResponseSlider()->value(), kept[0]);
        QCOMPARE(page.scrollSpin()->value(), kept[5]);
        for (int p = 0; p < KivoPointSpeed::PairCount; ++p) {
            QCOMPARE(page.box(KivoPointSpeed::Pair(p), true)->isChecked(), bool(first[p]));
            QCOMPARE(page.box(KivoPointSpeed::Pair(p), false)->isChecked(), !first[p]);
        }
        MouseConfig live;
        live.ProfileID = 3;
        page.collect(live);
        QCOMPARE(QVector<int>({live.Debounce, live.Sync, live.LiftHigh, live.AngleValue,
                               live.Jitter, live.Profile[3].scrollspeed}),
                 kept);
        QCOMPARE(live.Profile[3].mousespeed, quint8(13));
        QCOMPARE(live.Profile[0].scrollspeed, quint8(0));
    }
};

QTEST_MAIN(TestPointSpeed)
#include "tst_pointspeed.moc"
