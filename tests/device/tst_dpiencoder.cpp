#include "device/DpiEncoder.h"
#include "device/DpiRegisterTables.h"

#include <QtTest>

namespace {
using Bytes = QVector<int>;

Bytes encode(int sensor, quint32 x, quint32 y)
{
    DpiLevel level;
    level.x = x;
    level.y = y;
    level.xy = 77; // the linked value is never sent
    quint8 out[5];
    DpiEncoder::encodeLevel(level, sensor, out);
    return Bytes{out[0], out[1], out[2], out[3], out[4]};
}

// Low-only rule with equal x and y: (flag, value, 0, value, 0).
Bytes same(int flag, int value)
{
    return Bytes{flag, value, 0, value, 0};
}
} // namespace

class TestDpiEncoder : public QObject
{
    Q_OBJECT

private slots:
    void registerTables()
    {
        using T = DpiRegisterTables;
        QCOMPARE((QVector<int>{T::size(T::B), T::size(T::C), T::size(T::D), T::size(T::E),
                               T::size(T::F)}),
                 (QVector<int>{51, 121, 62, 81, 161}));
        // Table, step, register value: the ends and points inside each table.
        const int entries[] = {T::B, 0, 0, T::B, 5,   11,  T::B, 26,  59,  T::B, 50,  115,
                               T::C, 1, 0, T::C, 30,  35,  T::C, 61,  72,  T::C, 120, 143,
                               T::D, 1, 4, T::D, 41,  95,  T::D, 61,  140, T::E, 0,   188,
                               T::E, 2, 4, T::E, 33,  77,  T::E, 80,  187, T::F, 0,   143,
                               T::F, 1, 0, T::F, 121, 144, T::F, 159, 188, T::F, 160, 188};
        for (std::size_t i = 0; i < std::size(entries); i += 3)
            QCOMPARE(int(T::at(T::Table(entries[i]), entries[i + 1])), entries[i + 2]);
        // Out-of-range step codes take the last entry instead of reading past the table.
        QCOMPARE(int(T::at(T::B, 51)), 115);
        QCOMPARE(int(T::at(T::D, 1000)), 140);
    }

    void boundaries_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<quint32>("x");
        QTest::addColumn<quint32>("y");
        QTest::addColumn<Bytes>("expected");

        QTest::newRow("3325 50") << 3325 << 50u << 50u << same(0, 115);
        QTest::newRow("3325 51") << 3325 << 51u << 51u << same(1, 59);
        QTest::newRow("3325 75") << 3325 << 75u << 75u << same(1, 115);
        QTest::newRow("3325 76") << 3325 << 76u << 76u << same(2, 59);
        QTest::newRow("33252 10") << 33252 << 10u << 10u << same(0, 22);
        QTest::newRow("3311 120") << 3311 << 120u << 120u << same(0, 143);
        QTest::newRow("3311 121") << 3311 << 121u << 121u << same(1, 72);
        QTest::newRow("33112 30") << 33112 << 30u << 30u << same(0, 35);
        QTest::newRow("3370 200") << 3370 << 200u << 200u << same(0, 199);
        QTest::newRow("3370 201") << 3370 << 201u << 201u << same(1, 100);
        QTest::newRow("3327 61") << 3327 << 61u << 61u << same(0, 140);
        QTest::newRow("3327 62") << 3327 << 62u << 62u << same(1, 72);
        QTest::newRow("3327 92") << 3327 << 92u << 92u << same(1, 140);
        QTest::newRow("3327 93") << 3327 << 93u << 93u << same(4, 95);
        QTest::newRow("3360 120") << 3360 << 120u << 120u << same(0, 119);
        QTest::newRow("3360 121") << 3360 << 121u << 121u << same(1, 60);
        QTest::newRow("3389 320") << 3389 << 320u << 320u << Bytes{0, 0x40, 0x01, 0x40, 0x01};
        QTest::newRow("3389 321") << 3389 << 321u << 321u << Bytes{1, 0xA1, 0x00, 0xA1, 0x00};
        QTest::newRow("3389 800") << 3389 << 800u << 800u << Bytes{1, 0x80, 0x02, 0x80, 0x02};
        QTest::newRow("3212 63") << 3212 << 63u << 63u << same(0, 63);
        QTest::newRow("3212 64") << 3212 << 64u << 64u << same(1, 32);
        QTest::newRow("3212 94") << 3212 << 94u << 94u << same(1, 62);
        QTest::newRow("3212 95") << 3212 << 95u << 95u << same(2, 32);
        QTest::newRow("3333 79") << 3333 << 79u << 79u << same(0, 185);
        QTest::newRow("3333 80") << 3333 << 80u << 80u << same(1, 93);
        QTest::newRow("3395 600") << 3395 << 600u << 1000u << Bytes{0, 0x58, 0x02, 0xE8, 0x03};
        QTest::newRow("unknown") << 1234 << 50u << 50u << Bytes{0, 0, 0, 0, 0};
        QTest::newRow("no sensor") << 0 << 50u << 50u << Bytes{0, 0, 0, 0, 0};
        // Axes apart: the X flag comes from x, the Y flag is never sent; 3104 exchanges the
        // axes, 3335 sends x for both, 33952 switches X above 599 and Y above 600, 3809 scales
        // each axis its own way, and step 0 wraps in the low byte as the device expects.
        QTest::newRow("3370 x201 y50") << 3370 << 201u << 50u << Bytes{1, 100, 0, 49, 0};
        QTest::newRow("3370 x50 y201") << 3370 << 50u << 201u << Bytes{0, 49, 0, 100, 0};
        QTest::newRow("3212 x10 y95") << 3212 << 10u << 95u << Bytes{0, 10, 0, 32, 0};
        QTest::newRow("3104 x106 y107") << 3104 << 106u << 107u << Bytes{1, 54, 0, 106, 0};
        QTest::newRow("3104 x107 y106") << 3104 << 107u << 106u << Bytes{0, 106, 0, 54, 0};
        QTest::newRow("31042 x20 y30") << 31042 << 20u << 30u << Bytes{0, 30, 0, 20, 0};
        QTest::newRow("3335 x160 y5") << 3335 << 160u << 5u << same(0, 188);
        QTest::newRow("3335 x161 y5") << 3335 << 161u << 5u << same(1, 144);
        QTest::newRow("33352 x7 y160") << 33352 << 7u << 160u << same(0, 7);
        QTest::newRow("33952 x599 y600")
            << 33952 << 599u << 600u << Bytes{0, 0x57, 0x02, 0x58, 0x02};
        QTest::newRow("33952 x600 y601")
            << 33952 << 600u << 601u << Bytes{1, 0x2C, 0x01, 0x2D, 0x01};
        QTest::newRow("3809 x60 y60") << 3809 << 60u << 60u << Bytes{0, 0x30, 0x75, 0x35, 0x82};
        QTest::newRow("3809 x61 y61") << 3809 << 61u << 61u << Bytes{1, 0x8C, 0x3C, 0x46, 0x43};
        QTest::newRow("3809 x1 y18") << 3809 << 1u << 18u << Bytes{0, 0xF4, 0x01, 0x10, 0x27};
        QTest::newRow("3360 x0 y0") << 3360 << 0u << 0u << same(0, 0xFF);
        QTest::newRow("3370 x0 y0") << 3370 << 0u << 0u << same(0, 0xFF);
    }

    void boundaries()
    {
        QFETCH(int, sensor);
        QFETCH(quint32, x);
        QFETCH(quint32, y);
        QFETCH(Bytes, expected);
        QCOMPARE(encode(sensor, x, y), expected);
    }
};

QTEST_GUILESS_MAIN(TestDpiEncoder)
#include "tst_dpiencoder.moc"
