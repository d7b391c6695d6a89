#include "model/ProfileRules.h"

#include <QtTest>

#include <climits>

// Every boundary of every sensor row: the last step of a range, the first of the next, and the
// special values that the sensors report differently from the formula.
class TestDpiOfStep : public QObject
{
    Q_OBJECT

private slots:
    void conversion_data();
    void conversion();
    void sensorPairsShareTheirRule_data();
    void sensorPairsShareTheirRule();
    void hugeStepsSaturate();
};

void TestDpiOfStep::conversion_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<quint32>("step");
    QTest::addColumn<int>("dpi");
    struct Row
    {
        int sensor;
        quint32 step;
        int dpi;
    };
    const Row rows[] = {
        // 3325: x100 up to 50, x200 to 75, x400 beyond
        {3325, 0, 0},
        {3325, 1, 100},
        {3325, 50, 5000},
        {3325, 51, 5200},
        {3325, 75, 10000},
        {3325, 76, 10400},
        {3325, 80, 12000},
        {3325, 90, 16000},
        // 3327: (v + 1) x100 below 62, x200 to 92, x300 beyond, 106 is 16400
        {3327, 0, 100},
        {3327, 61, 6200},
        {3327, 62, 6400},
        {3327, 92, 12400},
        {3327, 93, 12600},
        {3327, 105, 16200},
        {3327, 106, 16400},
        {3327, 107, 16800},
        // 3360
        {3360, 80, 8000},
        {3360, 120, 12000},
        {3360, 121, 12200},
        {3360, 180, 24000},
        // 3389
        {3389, 2, 100},
        {3389, 16, 800},
        {3389, 320, 16000},
        {3389, 321, 16100},
        {3389, 480, 32000},
        // 3212: tens dropped, with the reported roundings
        {3212, 16, 600},
        {3212, 20, 760},
        {3212, 21, 800},
        {3212, 22, 830},
        {3212, 32, 1200},
        {3212, 43, 1600},
        {3212, 62, 2350},
        {3212, 63, 2400},
        {3212, 64, 2430},
        {3212, 94, 4710},
        {3212, 95, 4860},
        {3212, 110, 7140},
        {3212, 111, 7200},
        {3212, 112, 7440},
        // 3104: 14 is 500, not 560
        {3104, 13, 520},
        {3104, 14, 500},
        {3104, 15, 600},
        {3104, 105, 4200},
        {3104, 106, 4240},
        {3104, 107, 4320},
        {31042, 158, 8400},
        // 3335
        {3335, 160, 16000},
        {3335, 161, 16200},
        {33352, 240, 32000},
        // 3311
        {3311, 120, 12000},
        {3311, 121, 12200},
        {33112, 180, 24000},
        // 3370
        {3370, 1, 50},
        {3370, 200, 10000},
        {3370, 201, 10100},
        {3370, 290, 19000},
        // 3333
        {3333, 2, 200},
        {3333, 80, 8000},
        {3333, 81, 8200},
        {3333, 120, 16000},
        // 3399
        {3399, 0, 50},
        {3399, 399, 20000},
        {3399, 400, 20100},
        {3399, 599, 40000},
        // 3395
        {3395, 0, 50},
        {3395, 599, 30000},
        {3395, 600, 30100},
        {33952, 779, 48000},
        // 3809
        {3809, 1, 100},
        {3809, 60, 6000},
        {3809, 61, 6200},
        {3809, 90, 12000},
        // sensors the tool does not know
        {0, 80, 0},
        {3326, 80, 0},
        {33254, 80, 0},
        {-3325, 80, 0},
    };
    for (const Row& r : rows)
        QTest::addRow("%d step %u", r.sensor, r.step) << r.sensor << r.step << r.dpi;
}

void TestDpiOfStep::conversion()
{
    QFETCH(int, sensor);
    QFETCH(quint32, step);
    QFETCH(int, dpi);
    QCOMPARE(ProfileRules::dpiOfStep(step, sensor), dpi);
}

void TestDpiOfStep::sensorPairsShareTheirRule_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("3325/33252") << 3325 << 33252;
    QTest::newRow("3104/31042") << 3104 << 31042;
    QTest::newRow("3335/33352") << 3335 << 33352;
    QTest::newRow("3311/33112") << 3311 << 33112;
    QTest::newRow("3395/33952") << 3395 << 33952;
    QTest::newRow("3360/3311") << 3360 << 3311;
}

void TestDpiOfStep::sensorPairsShareTheirRule()
{
    QFETCH(int, first);
    QFETCH(int, second);
    for (quint32 step = 0; step <= 1000; ++step)
        QCOMPARE(ProfileRules::dpiOfStep(step, second), ProfileRules::dpiOfStep(step, first));
}

void TestDpiOfStep::hugeStepsSaturate()
{
    // Step codes come from files; far out-of-range values must not overflow.
    const int sensors[] = {3325,  33252, 3327,  3360, 3389, 3212, 3104, 31042, 3335,
                           33352, 3311,  33112, 3370, 3333, 3399, 3395, 33952, 3809};
    for (const int sensor : sensors) {
        QCOMPARE(ProfileRules::dpiOfStep(UINT_MAX, sensor), INT_MAX);
        const int big = ProfileRules::dpiOfStep(1000000u, sensor);
        QVERIFY(big > ProfileRules::dpiOfStep(999999u, sensor));
    }
}

QTEST_GUILESS_MAIN(TestDpiOfStep)
#include "tst_dpiofstep.moc"
