#include "macro/GunSetRows.h"
#include "macro/MacroRecorder.h"
#include "macro/MacroRowEditor.h"
#include "macro/MacroRows.h"
#include "macro/MouseCommandRows.h"

#include <QtTest>

using Rows = QVector<MacroEvent>;
Q_DECLARE_METATYPE(Rows)
Q_DECLARE_METATYPE(MacroRowEditor::Command)
Q_DECLARE_METATYPE(QVector<GunSetRows::Bullet>)

namespace {
constexpr quint8 kA = 30, kB = 48; // key codes; HID usages 4 and 5
MacroEvent ev(int map, int h, int l)
{
    return MacroEvent{quint8(map), quint8(h), quint8(l)};
}
// Rows told apart by their delay count: "312" is counts 3, 1, 2.
Rows numbered(const QString& digits)
{
    Rows rows;
    for (QChar c : digits)
        rows.append(MacroRows::delayCount(c.digitValue()));
    return rows;
}
QString digitsOf(const Rows& rows)
{
    QString s;
    for (const MacroEvent& e : rows)
        s += QString::number(MacroRows::delayCountOf(e));
    return s;
}
} // namespace

class tst_MacroRows : public QObject
{
    Q_OBJECT

private slots:
    void recordedDelays_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("defaultDelay");
        QTest::addColumn<qint64>("gap");
        QTest::addColumn<int>("count");
        QTest::newRow("37 ms in units of 10") << 10 << 1 << 0 << qint64(37) << 3;
        QTest::newRow("4 ms is still one unit") << 10 << 1 << 0 << qint64(4) << 1;
        QTest::newRow("same millisecond") << 10 << 1 << 0 << qint64(0) << 1;
        QTest::newRow("unit 1") << 1 << 1 << 0 << qint64(250) << 250;
        QTest::newRow("gap beyond two bytes") << 1 << 1 << 0 << qint64(100000) << 65535;
        QTest::newRow("default delay") << 10 << 2 << 25 << qint64(999) << 2;
    }
    void recordedDelays()
    {
        QFETCH(int, unit);
        QFETCH(int, mode);
        QFETCH(int, defaultDelay);
        QFETCH(qint64, gap);
        QFETCH(int, count);
        MacroRecorder recorder(unit);
        recorder.setDelayMode(mode);
        recorder.setDefaultDelay(defaultDelay);
        recorder.begin();
        Rows rows;
        QVERIFY(recorder.onHookKey(kA, false, 5000, rows));
        QVERIFY(recorder.onHookKey(kA, true, 5000 + gap, rows));
        // No delay before the first key.
        QCOMPARE(rows, (Rows{ev(0x84, 0, 4), MacroRows::delayCount(count), ev(0x04, 0, 4)}));
    }

    void rowLimits_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("limit");
        QTest::newRow("no delays") << 0 << 56;
        QTest::newRow("recorded delays") << 1 << 83;
        QTest::newRow("default delay") << 2 << 83;
    }
    void rowLimits()
    {
        QFETCH(int, mode);
        QFETCH(int, limit);
        MacroRecorder recorder(1);
        recorder.setDelayMode(mode);
        recorder.begin();
        Rows rows;
        for (int i = 0; i < 100; ++i)
            recorder.onHookKey(i % 2 ? kA : kB, false, i * 10, rows) &&
                recorder.onHookKey(i % 2 ? kA : kB, true, i * 10 + 5, rows);
        QCOMPARE(rows.size(), limit);
        QCOMPARE(MacroRows::kind(rows.last()), MacroRows::KeyKind);
        QVERIFY(!recorder.onHookKey(kA, true, 9999, rows));
    }

    void keyRepeatAndKeysWithoutUsage()
    {
        MacroRecorder recorder(1);
        recorder.begin();
        Rows rows;
        QVERIFY(recorder.onHookKey(kA, false, 0, rows));
        QVERIFY(!recorder.onHookKey(kA, false, 30, rows));
        QVERIFY(!recorder.onHookKey(kA, false, 60, rows));
        QVERIFY(recorder.onHookKey(kA, true, 90, rows));
        QVERIFY(recorder.onHookKey(kA, false, 120, rows));
        QVERIFY(!recorder.onHookKey(84, false, 130, rows)); // a code with no HID usage
        QCOMPARE(rows, (Rows{ev(0x84, 0, 4), ev(0x04, 0, 4), ev(0x84, 0, 4)}));
        recorder.begin();
        QVERIFY(!recorder.isHeld(kA));
    }

    void releaseCheck_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<bool>("released");
        const MacroEvent aDown = ev(0x84, 0, 4), aUp = ev(0x04, 0, 4);
        const MacroEvent bDown = ev(0x84, 0, 5), bUp = ev(0x04, 0, 5);
        QTest::newRow("crossed pairs") << Rows{aDown, bDown, aUp, bUp} << true;
        QTest::newRow("two presses one release") << Rows{aDown, aDown, aUp} << false;
        QTest::newRow("release only") << Rows{aUp} << true;
        QTest::newRow("button left down") << Rows{ev(0x81, 0, 1), aDown, aUp} << false;
        QTest::newRow("middle button up is no key up") << Rows{aDown, ev(0x01, 0, 4)} << false;
        QTest::newRow("movement is no release") << Rows{aDown, ev(2, 0, 4)} << false;
        QTest::newRow("empty") << Rows{} << true;
    }
    void releaseCheck()
    {
        QFETCH(Rows, rows);
        QFETCH(bool, released);
        QCOMPARE(MacroRows::allReleased(rows), released);
    }

    // Rows before, the current row, the command; whether it changed anything, and the rows
    // after with the current row after the "@".
    void rowCommands_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("current");
        QTest::addColumn<MacroRowEditor::Command>("command");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("after");
        using E = MacroRowEditor;
        QTest::newRow("up at first") << "123" << 0 << E::MoveUp << false << "123@0";
        QTest::newRow("up") << "123" << 1 << E::MoveUp << true << "213@0";
        QTest::newRow("down at last") << "123" << 2 << E::MoveDown << false << "123@2";
        QTest::newRow("down") << "123" << 0 << E::MoveDown << true << "213@1";
        QTest::newRow("top") << "123" << 2 << E::MoveTop << true << "312@0";
        QTest::newRow("top at first") << "123" << 0 << E::MoveTop << false << "123@0";
        QTest::newRow("bottom") << "123" << 0 << E::MoveBottom << true << "231@2";
        QTest::newRow("bottom at last") << "123" << 2 << E::MoveBottom << false << "123@2";
        QTest::newRow("delete last") << "123" << 2 << E::DeleteRow << true << "12@1";
        QTest::newRow("delete middle") << "123" << 1 << E::DeleteRow << true << "13@1";
        QTest::newRow("delete only") << "1" << 0 << E::DeleteRow << true << "@-1";
        QTest::newRow("delete, none current") << "12" << -1 << E::DeleteRow << false << "12@-1";
        QTest::newRow("clear") << "123" << 1 << E::Clear << true << "@-1";
        QTest::newRow("empty list") << "" << -1 << E::MoveUp << false << "@-1";
    }
    void rowCommands()
    {
        QFETCH(QString, before);
        QFETCH(int, current);
        QFETCH(MacroRowEditor::Command, command);
        QFETCH(bool, changed);
        QFETCH(QString, after);
        MacroRowEditor editor;
        editor.setRows(numbered(before));
        editor.setCurrent(current);
        QCOMPARE(editor.apply(command), changed);
        QCOMPARE(digitsOf(editor.rows()) + "@" + QString::number(editor.current()), after);
    }

    void clipboard()
    {
        MacroRowEditor editor;
        editor.setRows(numbered("1234"));
        editor.setCurrent(3);
        QVERIFY(!editor.paste());
        QVERIFY(editor.copy({2, 0, 2}));
        QVERIFY(editor.paste());
        QCOMPARE(digitsOf(editor.rows()), QStringLiteral("123413"));
        QCOMPARE(editor.current(), 5);
        QVERIFY(editor.cut({1, 2}));
        QCOMPARE(digitsOf(editor.rows()), QStringLiteral("1413"));
        QCOMPARE(editor.current(), 1);
        QVERIFY(editor.paste());
        QCOMPARE(digitsOf(editor.rows()), QStringLiteral("142313"));
        // Pasting stops at the row limit, whole.
        editor.setRows(Rows(MacroRows::kMaxRows - 1, MacroRows::delayCount(9)));
        editor.setCurrent(0);
        QVERIFY(!editor.paste());
        QCOMPARE(editor.count(), MacroRows::kMaxRows - 1);
    }

    void mouseCommands_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<Rows>("inserted");
        QTest::addColumn<Rows>("expected");
        const MouseCommandRows none(0, 25, 5), recorded(1, 25, 5), byDefault(2, 25, 5);
        using M = MouseCommandRows;
        const MacroEvent d10 = ev(6, 0, 2), d25 = ev(6, 0, 5);
        QTest::newRow("left click, no delays")
            << 0 << none.click(1, M::WholeClick) << Rows{ev(0x81, 0, 1), ev(0x01, 0, 1)};
        QTest::newRow("middle press, default delay")
            << 2 << byDefault.click(4, M::PressOnly) << Rows{ev(0x81, 0, 4), d25};
        QTest::newRow("right release") << 0 << none.click(2, M::ReleaseOnly) << Rows{ev(1, 0, 2)};
        QTest::newRow("up 5") << 0 << none.move(MacroRows::MoveUp, 5) << Rows{ev(2, 251, 0)};
        QTest::newRow("left 5") << 0 << none.move(MacroRows::MoveLeft, 5) << Rows{ev(2, 0, 251)};
        QTest::newRow("right 120")
            << 0 << none.move(MacroRows::MoveRight, 120) << Rows{ev(2, 0, 120)};
        QTest::newRow("down 7, delay")
            << 1 << recorded.move(MacroRows::MoveDown, 7) << Rows{ev(2, 7, 0), d10};
    }
    void mouseCommands()
    {
        QFETCH(Rows, inserted);
        QFETCH(Rows, expected);
        QCOMPARE(inserted, expected);
        for (const MacroEvent& e : inserted) {
            if (MacroRows::kind(e) == MacroRows::MoveKind)
                QCOMPARE(MacroRows::move(MacroRows::direction(e), MacroRows::distance(e)), e);
        }
    }

    void gunSet_data()
    {
        using B = GunSetRows::Bullet;
        QTest::addColumn<QVector<B>>("shots");
        QTest::addColumn<int>("bullets");
        QTest::addColumn<int>("unit");
        QTest::addColumn<Rows>("expected");
        const MacroEvent down = ev(0x81, 0, 1), up = ev(0x01, 0, 1);
        QTest::newRow("one plain shot")
            << QVector<B>{B{100, 0, 0}} << 1 << 1 << Rows{down, up, ev(6, 0, 100)};
        QTest::newRow("pull up 5, right 10, unit 10")
            << QVector<B>{B{100, -5, 10}} << 1 << 10
            << Rows{down, up, ev(2, 251, 0), ev(2, 0, 10), ev(6, 0, 10)};
        const QVector<B> five{B{10, 1, 0}, B{20, 0, -1}, B{30, 0, 0}, B{999, 9, 9}, B{999, 9, 9}};
        QTest::newRow("3 of 5 bullets")
            << five << 3 << 1
            << Rows{down,          up,           ev(2, 1, 0), ev(6, 0, 10), down,        up,
                    ev(2, 0, 255), ev(6, 0, 20), down,        up,           ev(6, 0, 30)};
    }
    void gunSet()
    {
        QFETCH(QVector<GunSetRows::Bullet>, shots);
        QFETCH(int, bullets);
        QFETCH(int, unit);
        QFETCH(Rows, expected);
        QCOMPARE(GunSetRows::rows(shots, bullets, unit), expected);
    }
};

QTEST_GUILESS_MAIN(tst_MacroRows)
#include "tst_macrorows.moc"
