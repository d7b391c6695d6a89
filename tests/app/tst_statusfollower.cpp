#include "WindowRig.h"
#include "app/status/StatusFollower.h"
#include "model/GlobalRecords.h"
#include "model/ProfileFiles.h"

#include <QtTest>

// One status report of the mouse, without a window: what the live configuration takes, what is
// announced, and what the window is told to show again. A report that changes nothing must
// tell nothing: each word to the window reloads pages and drops the user's unsent edits.
class TestStatusFollower : public QObject
{
    Q_OBJECT
private slots:
    void statusReport_data()
    {
        QTest::addColumn<int>("profile");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QStringList>("announced");
        QTest::addColumn<QString>("told"); // p: profile, d: DPI level, r: rate, in order
        // The hornbeam sample starts on slot 0 at level 1 (index) and rate code 1.
        QTest::newRow("same values") << 0 << 1 << 1 << QStringList() << "";
        QTest::newRow("other level") << 0 << 2 << 1 << QStringList{"DPI 3:1600"} << "d2";
        QTest::newRow("other rate") << 0 << 1 << 8 << QStringList{"125 HZ"} << "r8";
        QTest::newRow("rate outside the table") << 0 << 1 << 3 << QStringList() << "r3";
        QTest::newRow("no such slot or level") << 5 << 8 << 1 << QStringList() << "";
        QTest::newRow("other profile, all")
            << 1 << 2 << 8 << QStringList{"Profile 2", "DPI 3:1600", "125 HZ"} << "p1 d2 r8";
    }
    void statusReport()
    {
        QFETCH(int, profile);
        QFETCH(int, dpi);
        QFETCH(int, rate);
        QFETCH(QStringList, announced);
        QFETCH(QString, told);
        TestAppFolder folder;
        GlobalRecords::live() = MouseConfig();
        ProfileFiles::loadConfiguration(GlobalRecords::live());
        GlobalRecords::live().Profile[1].mousespeed = 15;
        RecordingAnnouncer announcer;
        FixedPointerSpeed speed(10);
        StatusFollower follower(announcer, speed, QColor(0, 0, 255));
        QStringList heard;
        connect(&follower, &StatusFollower::profileChanged,
                [&](quint8 p) { heard << "p" + QString::number(p); });
        connect(&follower, &StatusFollower::dpiStageChanged,
                [&](quint8 d) { heard << "d" + QString::number(d); });
        connect(&follower, &StatusFollower::rateChanged,
                [&](quint8 r) { heard << "r" + QString::number(r); });

        follower.slotRefreshStatus(quint8(profile), quint8(dpi), quint8(rate), 0);
        QCOMPARE(heard.join(' '), told);
        QCOMPARE(announcer.m_Texts, announced);
        QCOMPARE(speed.m_Applied, told.startsWith('p') ? QList<int>{15} : QList<int>());
        const MouseConfig& live = GlobalRecords::live();
        QCOMPARE(int(live.ProfileID), profile < 5 ? profile : 0);
        QCOMPARE(int(live.activeProfile().pollrate), rate);
        QCOMPARE(int(live.activeProfile().dpi), dpi < 8 ? dpi : 1);
    }
};

QTEST_MAIN(TestStatusFollower)
#include "tst_statusfollower.moc"
