#include "device/MacroBlockEncoder.h"

#include <QtTest>

namespace {
MacroEvent key(quint8 usage, bool press)
{
    MacroEvent e;
    e.Map = press ? 0x84 : 0x04;
    e.DataL = usage;
    return e;
}

MacroEvent delay(int count)
{
    MacroEvent e;
    e.Map = 6;
    e.DataH = quint8(count >> 8);
    e.DataL = quint8(count & 0xFF);
    return e;
}

QVector<int> head(const quint8* block, int n)
{
    QVector<int> out;
    for (int i = 0; i < n; ++i)
        out << block[i];
    return out;
}

void expectZeroFrom(const quint8* block, int from)
{
    for (int i = from; i < MacroBlockEncoder::kBlockSize; ++i)
        QCOMPARE(int(block[i]), 0);
}
} // namespace

class TestMacroBlockEncoder : public QObject
{
    Q_OBJECT

private slots:
    void emptyMacroHoldsOneDelay()
    {
        quint8 block[MacroBlockEncoder::kBlockSize];
        MacroBlockEncoder::encode({}, block);
        QCOMPARE(head(block, 3), (QVector<int>{6, 1, 0}));
        expectZeroFrom(block, 3);
        QVERIFY(MacroBlockEncoder::isUsed(block));
        // A block is in use when one of its first five bytes is set.
        block[0] = block[1] = 0;
        QVERIFY(!MacroBlockEncoder::isUsed(block));
        block[4] = 1;
        QVERIFY(MacroBlockEncoder::isUsed(block));
    }

    void delaysInsertedWithoutDelayEvents()
    {
        // Five events: four, a one-unit delay, the fifth, the closing delay, a zero entry.
        QVector<MacroEvent> events;
        for (int i = 0; i < 5; ++i)
            events << key(quint8(4 + i), i % 2 == 0);
        quint8 block[MacroBlockEncoder::kBlockSize];
        MacroBlockEncoder::encode(events, block);
        QCOMPARE(head(block, 24), (QVector<int>{0x84, 4, 0, 0x04, 5, 0, 0x84, 6, 0, 0x04, 7, 0,
                                                6,    1, 0, 0x84, 8, 0, 6,    1, 0, 0,    0, 0}));
        expectZeroFrom(block, 24);

        // A multiple of four ends with two delays in a row.
        events.resize(4);
        MacroBlockEncoder::encode(events, block);
        QCOMPARE(head(block, 21), (QVector<int>{0x84, 4, 0, 0x04, 5, 0, 0x84, 6, 0, 0x04, 7,
                                                0,    6, 1, 0,    6, 1, 0,    0, 0, 0}));
        expectZeroFrom(block, 21);
    }

    void delayEventsKeptAsRecorded()
    {
        // Map, DataL, DataH: a delay of 300 units is 06 2C 01.
        const QVector<MacroEvent> events{key(4, true), delay(300), key(4, false)};
        quint8 block[MacroBlockEncoder::kBlockSize];
        MacroBlockEncoder::encode(events, block);
        QCOMPARE(head(block, 9), (QVector<int>{0x84, 4, 0, 6, 0x2C, 0x01, 0x04, 4, 0}));
        expectZeroFrom(block, 9);
    }

    void onlyTwoHundredBytesFilled()
    {
        quint8 block[MacroBlockEncoder::kBlockSize];
        QVector<MacroEvent> withDelay;
        for (int i = 0; i < 80; ++i)
            withDelay << (i == 79 ? delay(2) : key(quint8(4 + i % 20), true));
        MacroBlockEncoder::encode(withDelay, block);
        QCOMPARE(int(block[198]), 0x84); // entry 66 starts at 198
        QCOMPARE(int(block[199]), 4 + 66 % 20);
        expectZeroFrom(block, 200);

        QVector<MacroEvent> plain;
        for (int i = 0; i < 70; ++i)
            plain << key(0x1E, true);
        MacroBlockEncoder::encode(plain, block);
        QCOMPARE(int(block[12]), 6);  // delay after the first four
        QCOMPARE(int(block[192]), 6); // entry 64: the 13th inserted delay
        QCOMPARE(int(block[198]), 0x84);
        QCOMPARE(int(block[199]), 0x1E);
        expectZeroFrom(block, 200);
    }
};

QTEST_GUILESS_MAIN(TestMacroBlockEncoder)
#include "tst_macroblockencoder.moc"
