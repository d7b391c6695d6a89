#include "model/ProfileRules.h"

#include <QtTest>

#include <climits>
#include <vector>

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
    // Per sensor: step, dpi, step, dpi ... at the last step of a range, the first of the next, and
    // the special values; the last four sensors are unknown to the tool.
    const std::vector<std::pair<int, std::vector<int>>> rows = {
        {3325, {0, 0, 1, 100, 50, 5000, 51, 5200, 75, 10000, 76, 10400, 80, 12000, 90, 16000}},
        {3327,
         {0, 100, 61, 6200, 62, 6400, 92, 12400, 93, 12600, 105, 16200, 106, 16400, 107, 16800}},
        {3360, {80, 8000, 120, 12000, 121, 12200, 180, 24000}},
        {3389, {2, 100, 16, 800, 320, 16000, 321, 16100, 480, 32000}},
        {3212, {16, 600,  20, 760,  21, 800,  22, 830,  32,  1200, 43,  1600, 62,  2350,
                63, 2400, 64, 2430, 94, 4710, 95, 4860, 110, 7140, 111, 7200, 112, 7440}},
        {3104, {13, 520, 14, 500, 15, 600, 105, 4200, 106, 4240, 107, 4320}},
        {31042, {158, 8400}},
        {3335, {160, 16000, 161, 16200}},
        {33352, {240, 32000}},
        {3311, {120, 12000, 121, 12200}},
        {33112, {180, 24000}},
        {3370, {1, 50, 200, 10000, 201, 10100, 290, 19000}},
        {3333, {2, 200, 80, 8000, 81, 8200, 120, 16000}},
        {3399, {0, 50, 399, 20000, 400, 20100, 599, 40000}},
        {3395, {0, 50, 599, 30000, 600, 30100}},
        {33952, {779, 48000}},
        {3809, {1, 100, 60, 6000, 61, 6200, 90, 12000}},
        {0, {80, 0}},
        {3326, {80, 0}},
        {33254, {80, 0}},
        {-3325, {80, 0}},
    };
    for (const auto& [sensor, points] : rows)
        for (std::size_t i = 0; i + 1 < points.size(); i += 2)
            QTest::addRow("%d step %d", sensor, points[i])
                << sensor << quint32(points[i]) << points[i + 1];
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
