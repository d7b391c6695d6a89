#include "device/ReportBuilder.h"

#include <QtTest>

namespace {
using Frame = ReportBuilder::Frame;

// Hand-worked checksum: complement of the 8-bit sum of bytes 1..31.
quint8 expectedChecksum(const Frame& f)
{
    int sum = 0;
    for (int i = 1; i <= 31; ++i)
        sum += f[i];
    return quint8(~sum & 0xFF);
}

void expectBytes(const Frame& f, int from, const QVector<int>& bytes)
{
    for (int i = 0; i < bytes.size(); ++i)
        QCOMPARE(int(f[from + i]), bytes[i]);
}

void expectZeroFrom(const Frame& f, int from, int to)
{
    for (int i = from; i <= to; ++i)
        QCOMPARE(int(f[i]), 0);
}
} // namespace

class TestReportBuilder : public QObject
{
    Q_OBJECT

private slots:
    void checksumWorkedExample()
    {
        Frame f{};
        f[2] = 0xAA;
        f[3] = 0x55;
        QCOMPARE(int(ReportBuilder::checksum(f)), 0x00);
        f[5] = 0x01; // sum 0x100 wraps to 0x00
        QCOMPARE(int(ReportBuilder::checksum(f)), 0xFF);
        f[0] = 0x7F;  // the report ID is not summed
        f[32] = 0x33; // nor the checksum byte itself
        QCOMPARE(int(ReportBuilder::checksum(f)), 0xFF);
    }

    void fixedFrames()
    {
        expectBytes(ReportBuilder::marker(0), 0, {0x00, 0x00, 0xAA, 0x55});
        expectZeroFrom(ReportBuilder::marker(0), 4, 32);
        expectBytes(ReportBuilder::marker(1), 0, {0x00, 0x00, 0xCC, 0x33});
        const Frame battery = ReportBuilder::batteryQuery();
        expectBytes(battery, 0, {0x00, 0x0A, 0xAA, 0xFF, 0xDD});
        expectZeroFrom(battery, 5, 31);
        QCOMPARE(int(battery[32]), int(expectedChecksum(battery)));
        // No checksum in the short family.
        const Frame refresh = ReportBuilder::shortForm(0x40, 0xF3, 0x10);
        expectBytes(refresh, 0, {0x00, 0x05, 0x00, 0xFA, 0x40, 0xF3, 0x10});
        expectZeroFrom(refresh, 7, 32);
    }

    void general1ByLightingMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("bright");
        QTest::newRow("mode 0") << 0 << 0 << 0;
        QTest::newRow("mode 1: no speed") << 1 << 0 << 7;
        QTest::newRow("mode 2: both") << 2 << 5 << 7;
        QTest::newRow("mode 3: neither") << 3 << 0 << 0;
        QTest::newRow("mode 4: no brightness") << 4 << 5 << 0;
        QTest::newRow("mode 13: both") << 13 << 5 << 7;
    }

    void general1ByLightingMode()
    {
        QFETCH(int, mode);
        QFETCH(int, speed);
        QFETCH(int, bright);
        MouseConfig config;
        ProfileData& p = config.Profile[0];
        p.dpi = 3;
        p.pollrate = 2;
        p.LedMode = quint8(mode);
        for (LedSetting& led : p.LedInfo) {
            led.breath = 1;
            led.bright = 1;
        }
        p.LedInfo[mode].breath = 5;
        p.LedInfo[mode].bright = 7;
        config.Profile[1].dpi = 6; // other profiles are not sent

        const Frame f = ReportBuilder::general1(config);
        expectBytes(f, 0, {0x00, 0x01, 3, 2, mode, speed, bright});
        expectZeroFrom(f, 7, 31);
        QCOMPARE(int(f[32]), int(expectedChecksum(f)));
    }

    void general2()
    {
        MouseConfig config;
        config.LiftHigh = 2;
        config.AngleValue = 1;
        config.Debounce = 20;
        config.Sync = 1;
        ProfileData& p = config.Profile[0];
        p.LedSleepTime = 5;
        p.LedMoveOFF = 255;
        p.LedMode = 2;
        p.LedInfo[2].colour = QColor(10, 20, 30);
        p.LedInfo[0].colour = QColor(200, 200, 200);

        Frame f = ReportBuilder::general2(config, 0);
        expectBytes(f, 0, {0x00, 0x02, 0x06, 2, 5, 0, 1, 1, 10, 20, 30});
        expectZeroFrom(f, 11, 31);
        QCOMPARE(int(f[32]), 0xB2); // ~(2+6+2+5+0+1+1+10+20+30)

        // Sync variant 3 sends the debounce time in place of the angle.
        f = ReportBuilder::general2(config, 3);
        QCOMPARE(int(f[6]), 20);
    }

    void general4Colours()
    {
        MouseConfig config;
        for (int m = 0; m < ProfileData::kLedModeCount; ++m)
            config.Profile[0].LedInfo[m].colour = QColor(m, 10 + m, 100 + m);
        const Frame f = ReportBuilder::general4(config);
        QCOMPARE(int(f[1]), 0x04);
        for (int m = 0; m < 8; ++m)
            expectBytes(f, 2 + 3 * m, {m, 10 + m, 100 + m});
        expectZeroFrom(f, 26, 31); // modes 8..13 are not sent
        QCOMPARE(int(f[32]), int(expectedChecksum(f)));
    }

    void dpiFramesPlaceLevels()
    {
        ProfileData p;
        for (int i = 0; i < ProfileData::kDpiLevelCount; ++i) {
            p.DpiInfo[i].x = quint32(10 + i);
            p.DpiInfo[i].y = quint32(20 + i);
        }
        // 3212 below 64 sends the step code itself.
        const Frame first = ReportBuilder::dpiTable(p, 3212, 0);
        QCOMPARE(int(first[1]), 0x05);
        for (int i = 0; i < 6; ++i)
            expectBytes(first, 2 + 5 * i, {0, 10 + i, 0, 20 + i, 0});
        QCOMPARE(int(first[32]), int(expectedChecksum(first)));

        const Frame second = ReportBuilder::dpiTable(p, 3212, 1);
        QCOMPARE(int(second[1]), 0x06);
        expectBytes(second, 2, {0, 16, 0, 26, 0, 0, 17, 0, 27, 0});
        expectZeroFrom(second, 12, 31);
        QCOMPARE(int(second[32]), int(expectedChecksum(second)));
    }

    void buttonFramesCarryTableBytes()
    {
        quint8 table[128];
        for (int i = 0; i < 128; ++i)
            table[i] = quint8(i);
        const Frame a = ReportBuilder::buttonTable(table, 0);
        const Frame b = ReportBuilder::buttonTable(table, 1);
        const Frame c = ReportBuilder::buttonTable(table, 2);
        QCOMPARE(int(a[1]), 0x07);
        QCOMPARE(int(b[1]), 0x08);
        QCOMPARE(int(c[1]), 0x09);
        for (int i = 0; i < 28; ++i) {
            QCOMPARE(int(a[2 + i]), 2 + i);
            QCOMPARE(int(b[2 + i]), 30 + i);
        }
        for (int i = 0; i < 8; ++i)
            QCOMPARE(int(c[2 + i]), 58 + i);
        expectZeroFrom(a, 30, 31);
        expectZeroFrom(c, 10, 31);
        QCOMPARE(int(c[32]), int(expectedChecksum(c)));
    }

    void macroFrames()
    {
        quint8 block[256];
        for (int i = 0; i < 256; ++i)
            block[i] = quint8(i ^ 0x5A);
        for (int k = 0; k < 8; ++k) {
            const Frame f = ReportBuilder::macroBlock(1, k, block);
            QCOMPARE(int(f[1]), 16 + 9 + k);
            for (int i = 0; i < 30; ++i)
                QCOMPARE(int(f[2 + i]), int(block[30 * k + i]));
            QCOMPARE(int(f[32]), int(expectedChecksum(f)));
        }
        const Frame last = ReportBuilder::macroBlock(11, 8, block);
        QCOMPARE(int(last[1]), 24 + 99);
        for (int i = 0; i < 16; ++i)
            QCOMPARE(int(last[2 + i]), int(block[240 + i]));
        expectZeroFrom(last, 18, 31);
    }
};

QTEST_GUILESS_MAIN(TestReportBuilder)
#include "tst_reportbuilder.moc"
