#include "device/ButtonEncoder.h"
#include "model/KeyTable.h"

#include <QtTest>

#include <cstring>

namespace {
using Bytes = QVector<int>;

Bytes slotOf(ButtonAssignment& b, int sensor = 0)
{
    MacroIndexMap macros;
    quint8 slot[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    ButtonEncoder::encodeSlot(b, sensor, macros, slot);
    return Bytes{slot[0], slot[1], slot[2], slot[3]};
}

ButtonAssignment button(int fun)
{
    ButtonAssignment b;
    b.Fun = fun;
    return b;
}

Bytes tableSlot(const quint8* table, int offset)
{
    return Bytes{table[offset], table[offset + 1], table[offset + 2], table[offset + 3]};
}

quint8 usageOf(quint8 keyCode)
{
    quint8 usage = 0;
    KeyTable::keyCodeToUsage(keyCode, usage);
    return usage;
}

// Records a combination the way the button window does: presses in order, releases reversed.
void recordCombo(ButtonAssignment& b, const QVector<quint8>& keyCodes)
{
    std::memset(b.KeyInfo, 0, sizeof b.KeyInfo);
    const int n = keyCodes.size();
    for (int i = 0; i < n; ++i) {
        const quint8 usage = usageOf(keyCodes[i]);
        b.KeyInfo[i][0] = usage;
        b.KeyInfo[i][1] = 0x05;
        b.KeyInfo[i][2] = 0x80;
        b.KeyInfo[2 * n - 1 - i][0] = usage;
        b.KeyInfo[2 * n - 1 - i][1] = 0x05;
        b.KeyInfo[2 * n - 1 - i][2] = 0x00;
    }
}
} // namespace

class TestButtonEncoder : public QObject
{
    Q_OBJECT

private slots:
    void functionTable_data()
    {
        QTest::addColumn<int>("fun");
        QTest::addColumn<Bytes>("expected");
        QTest::newRow("left") << 1 << Bytes{0x81, 0, 0, 0};
        QTest::newRow("back") << 5 << Bytes{0x84, 0, 0, 0};
        QTest::newRow("dpi -") << 49 << Bytes{0x89, 0, 0, 0};
        QTest::newRow("scroll down") << 53 << Bytes{0x8C, 0, 0, 0};
        QTest::newRow("cut") << 17 << Bytes{0x8F, 1, 0x1B, 0};
        QTest::newRow("alt f4") << 26 << Bytes{0x8F, 4, 0x3D, 0};
        QTest::newRow("boss key") << 62 << Bytes{0x8F, 8, 0x10, 0};
        QTest::newRow("browser home") << 31 << Bytes{0x8E, 1, 0x23, 0x02};
        QTest::newRow("mail") << 38 << Bytes{0x8E, 1, 0x8A, 0x01};
        QTest::newRow("stop") << 40 << Bytes{0x8E, 1, 0xB7, 0x00};
        QTest::newRow("mute") << 45 << Bytes{0x8E, 1, 0xE2, 0x00};
        QTest::newRow("player") << 46 << Bytes{0x8E, 1, 0x83, 0x01};
        QTest::newRow("button off") << 16 << Bytes{0, 0, 0, 0};
        QTest::newRow("rate switch") << 63 << Bytes{0x94, 1, 0, 0};
        QTest::newRow("profile switch") << 59 << Bytes{0x8D, 0, 0, 0};
        QTest::newRow("profile -") << 58 << Bytes{0x95, 0, 0, 0};
        QTest::newRow("led switch") << 54 << Bytes{0x9B, 8, 0, 0};
        QTest::newRow("61") << 61 << Bytes{0xA0, 0, 0, 0};
        QTest::newRow("not in table") << 8 << Bytes{0, 0, 0, 0};
    }

    void functionTable()
    {
        QFETCH(int, fun);
        QFETCH(Bytes, expected);
        ButtonAssignment b = button(fun);
        QCOMPARE(slotOf(b), expected);
    }

    void singleKeyIsConvertedToUsage()
    {
        ButtonAssignment b = button(FunctionCode::SingleKey);
        b.Res1 = 30; // key code of A
        QCOMPARE(slotOf(b), (Bytes{0x90, 0, 4, 0}));
        b.Res1 = 84; // no usage: nothing to send
        QCOMPARE(slotOf(b), (Bytes{0x90, 0, 0, 0}));
    }

    void keyCombination()
    {
        // Ctrl+Shift+K, recorded Shift, Ctrl, K (the window's fixed order).
        ButtonAssignment b = button(FunctionCode::ComboKey);
        recordCombo(b, {0x2A, 0x1D, 37});
        quint8 mainKey = 0;
        QCOMPARE(int(ButtonEncoder::keyCombination(b, mainKey)), 3);
        QCOMPARE(int(mainKey), int(usageOf(37)));
        QCOMPARE(slotOf(b), (Bytes{0x8F, 3, int(usageOf(37)), 0}));

        // Right-hand modifiers count the same; Windows and Alt give 8 and 4.
        recordCombo(b, {0xEE, 0xEF, 0x5C, 0x10});
        QCOMPARE(slotOf(b), (Bytes{0x8F, 1 | 4 | 8, int(usageOf(0x10)), 0}));

        // Only modifiers: no main key.
        recordCombo(b, {0x36});
        QCOMPARE(slotOf(b), (Bytes{0x8F, 2, 0, 0}));
    }

    void fireKey()
    {
        ButtonAssignment b = button(FunctionCode::FireKey);
        b.LoopNumber = 9;
        b.KeyNumber = 250;
        QCOMPARE(slotOf(b), (Bytes{0x99, 0x81, 3, 0})); // no key chosen
        b.Res1 = 0x82;
        b.LoopNumber = 5;
        b.KeyNumber = 125;
        QCOMPARE(slotOf(b), (Bytes{0x99, 0x82, 5, 12}));
    }

    void sniper()
    {
        ButtonAssignment b = button(FunctionCode::Sniper);
        b.Res1 = 10;
        const int perSensor[][2] = {{3325, 22}, {3327, 24}, {3360, 9},  {3389, 10},
                                    {3212, 10}, {3104, 10}, {3335, 11}, {3370, 4}};
        for (const auto& [sensor, value] : perSensor)
            QCOMPARE(slotOf(b, sensor), (Bytes{0x96, 1, value, value}));
        QCOMPARE(slotOf(b, 3809), (Bytes{0x96, 1, 50, 55}));
        b.Res1 = 100; // 500 and 555 keep their low 8 bits
        QCOMPARE(slotOf(b, 3809), (Bytes{0x96, 1, 500 & 0xFF, 555 & 0xFF}));
    }

    void macroRepeatModes()
    {
        ButtonAssignment b = button(FunctionCode::Macro);
        b.macroname = "m";
        b.LoopNumber = 0x0102;
        QCOMPARE(slotOf(b), (Bytes{0x91, 0, 0x02, 0x01}));
        b.Res1 = 1;
        QCOMPARE(slotOf(b), (Bytes{0x91, 0x80, 0xFF, 0xFF}));
        b.Res1 = 2;
        QCOMPARE(slotOf(b), (Bytes{0x91, 0x40, 0xFF, 0xFF}));
        b.Res1 = 3;
        QCOMPARE(slotOf(b), (Bytes{0x91, 0, 0x02, 0x01}));
        b.Fun = FunctionCode::GunFile;
        b.Res1 = 0;
        QCOMPARE(slotOf(b), (Bytes{0x9D, 0, 0x02, 0x01}));
    }

    void tablePlacesSlotsByMatrix()
    {
        ProfileData p;
        for (int i = 0; i < 6; ++i)
            p.ButtonInfo[i].Fun = i + 1; // 1..5, then 6 (single key)
        p.ButtonInfo[5].Res1 = 30;
        p.ButtonInfo[6].Fun = FunctionCode::RightClick; // beyond the button count: not sent
        p.ButtonInfo[40].Fun = FunctionCode::ScrollUp;
        p.ButtonInfo[41].Fun = FunctionCode::ScrollDown;
        quint8 matrix[16] = {3, 2, 1, 0, 5, 4};
        ButtonEncoder::Model model;
        model.iButtonCount = 6;
        model.pMatrix = matrix;
        MacroIndexMap macros;
        quint8 table[ButtonEncoder::kTableSize];

        ButtonEncoder::buildTable(p, model, macros, table);
        QCOMPARE(int(table[0]), 0x0A);
        QCOMPARE(int(table[1]), 0x00);
        const Bytes bySlot[] = {{0x85, 0, 0, 0}, {0x83, 0, 0, 0}, {0x82, 0, 0, 0},
                                {0x81, 0, 0, 0}, {0x90, 0, 4, 0}, {0x84, 0, 0, 0}};
        for (int s = 0; s < 14; ++s)
            QCOMPARE(tableSlot(table, 2 + 4 * s), (s < 6 ? bySlot[s] : Bytes{0, 0, 0, 0}));
        QCOMPARE(tableSlot(table, 58), (Bytes{0x8B, 0, 0, 0}));
        QCOMPARE(tableSlot(table, 62), (Bytes{0x8C, 0, 0, 0}));

        // ScrollRev 1 exchanges the two wheel slots.
        model.iScrollRev = 1;
        ButtonEncoder::buildTable(p, model, macros, table);
        QCOMPARE(tableSlot(table, 58), (Bytes{0x8C, 0, 0, 0}));
        QCOMPARE(tableSlot(table, 62), (Bytes{0x8B, 0, 0, 0}));
    }

    void matrixOutsideTheTableIsIgnored()
    {
        ProfileData p;
        p.ButtonInfo[0].Fun = FunctionCode::LeftClick;
        p.ButtonInfo[1].Fun = FunctionCode::RightClick;
        quint8 matrix[16] = {200, 1};
        ButtonEncoder::Model model;
        model.iButtonCount = 40; // more than the matrix describes
        model.pMatrix = matrix;
        MacroIndexMap macros;
        quint8 guarded[ButtonEncoder::kTableSize + 16];
        std::memset(guarded, 0x5A, sizeof guarded);
        ButtonEncoder::buildTable(p, model, macros, guarded);
        QCOMPARE(tableSlot(guarded, 2 + 4 * 1), (Bytes{0x82, 0, 0, 0}));
        for (int i = ButtonEncoder::kTableSize; i < int(sizeof guarded); ++i)
            QCOMPARE(int(guarded[i]), 0x5A);
        QCOMPARE(ButtonEncoder::slotOffset(0, 0, matrix), -1);
    }

    void macrosShareAnIndex()
    {
        ProfileData p;
        const char* names[] = {"alpha", "beta", "alpha", "gamma"};
        for (int i = 0; i < 4; ++i) {
            p.ButtonInfo[i].Fun = i == 3 ? FunctionCode::GunFile : FunctionCode::Macro;
            p.ButtonInfo[i].macroname = names[i];
            p.ButtonInfo[i].LoopNumber = 1;
        }
        p.ButtonInfo[40].Fun = FunctionCode::Macro;
        p.ButtonInfo[40].macroname = "beta";
        quint8 matrix[16] = {0, 1, 2, 3};
        ButtonEncoder::Model model;
        model.iButtonCount = 4;
        model.pMatrix = matrix;
        MacroIndexMap macros;
        macros.indexFor("stale"); // the map is rebuilt for every table
        quint8 table[ButtonEncoder::kTableSize];
        ButtonEncoder::buildTable(p, model, macros, table);

        QCOMPARE(macros.size(), 3);
        int index = -1;
        QVERIFY(macros.find("gamma", index) && index == 2);
        QVERIFY(!macros.find("stale", index));
        // Slots 0..3, then the wheel-up slot: code and index; the indexes noted in Res4.
        QCOMPARE((Bytes{table[3], table[7], table[11], table[14], table[15], table[59],
                        p.ButtonInfo[3].Res4, p.ButtonInfo[40].Res4}),
                 (Bytes{0, 1, 0, 0x9D, 2, 1, 2, 1}));
    }
};

QTEST_GUILESS_MAIN(TestButtonEncoder)
#include "tst_buttonencoder.moc"
