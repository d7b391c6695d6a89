#include "model/KeyTable.h"

#include <QHash>
#include <QtTest>

namespace {
// The pairs in the grouping of the keyboard usage page, written out independently of the table.
QVector<QPair<int, int>> expectedPairs()
{
    QVector<QPair<int, int>> pairs;
    const int letters[26] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                             49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};
    for (int i = 0; i < 26; ++i)
        pairs.append({letters[i], 4 + i});
    for (int i = 0; i < 10; ++i)
        pairs.append({2 + i, 30 + i});
    const int mainBlock[][2] = {{28, 40}, {1, 41},  {14, 42}, {15, 43}, {57, 44}, {12, 45},
                                {13, 46}, {26, 47}, {27, 48}, {43, 49}, {39, 51}, {40, 52},
                                {41, 53}, {51, 54}, {52, 55}, {53, 56}, {58, 57}};
    for (const auto& p : mainBlock)
        pairs.append({p[0], p[1]});
    for (int i = 0; i < 10; ++i)
        pairs.append({59 + i, 58 + i});
    pairs.append({87, 68});
    pairs.append({88, 69});
    const int control[][2] = {{55, 70}, {70, 71}, {69, 72}, {82, 73}, {71, 74}, {73, 75}, {83, 76},
                              {79, 77}, {81, 78}, {77, 79}, {75, 80}, {80, 81}, {72, 82}};
    for (const auto& p : control)
        pairs.append({p[0], p[1]});
    const int keypad[] = {225, 226, 227, 74,  78,  229, 230, 231, 232,
                          233, 76,  234, 235, 236, 228, 237, 224};
    for (int i = 0; i < 17; ++i)
        pairs.append({keypad[i], 83 + i});
    pairs.append({93, 101});
    const int modifiers[][2] = {{42, 225},  {29, 224}, {91, 227},  {56, 226},
                                {239, 230}, {92, 231}, {238, 228}, {54, 229}};
    for (const auto& p : modifiers)
        pairs.append({p[0], p[1]});
    return pairs;
}

} // namespace

class tst_KeyTable : public QObject
{
    Q_OBJECT

private slots:
    // Over the whole byte range in both directions: the listed pairs convert, everything else
    // (the mouse buttons and gap codes included) is refused and leaves the out value untouched.
    void usageConversionIsExactlyThePairs()
    {
        const auto pairs = expectedPairs();
        QCOMPARE(pairs.size(), KeyTable::kUsagePairCount);
        QHash<int, int> toUsage, toCode;
        for (const auto& p : pairs) {
            toUsage.insert(p.first, p.second);
            toCode.insert(p.second, p.first);
        }
        for (int v = 0; v < 256; ++v) {
            quint8 usage = 0x5A;
            QCOMPARE(KeyTable::keyCodeToUsage(quint8(v), usage), toUsage.contains(v));
            QCOMPARE(int(usage), toUsage.value(v, 0x5A));
            quint8 code = 0x5A;
            QCOMPARE(KeyTable::usageToKeyCode(quint8(v), code), toCode.contains(v));
            QCOMPARE(int(code), toCode.value(v, 0x5A));
        }
    }

    void variantRule()
    {
        QVERIFY(KeyTable::useFrenchNames(2, 2));
        QVERIFY(!KeyTable::useFrenchNames(2, 1));
        QVERIFY(KeyTable::useFrenchNames(0, 0));
        // -1 means no French layout, even when the language index happens to be -1 as well.
        QVERIFY(!KeyTable::useFrenchNames(-1, -1));

        // The process-wide choice decides the default names.
        KeyTable::setFrenchNames(true);
        QCOMPARE(KeyTable::keyName(30), QStringLiteral("q"));
        KeyTable::setFrenchNames(false);
        QCOMPARE(KeyTable::keyName(30), QStringLiteral("A"));
    }
};

QTEST_GUILESS_MAIN(tst_KeyTable)
#include "tst_keytable.moc"
