#include "FakeKeyboardHook.h"
#include "TestAppFolder.h"
#include "buttons/ButtonWrites.h"
#include "buttons/KivoComboKeyWindow.h"
#include "buttons/KivoFireKeyWindow.h"
#include "buttons/KivoSingleKeyWindow.h"
#include "model/ButtonAssignment.h"
#include "widgets/KivoPushButton.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QValidator>
#include <QtTest>

namespace {
// A stroke list: scan code and hook flags, pairs packed as 0xSSFF.
using Strokes = QVector<int>;
constexpr quint8 kUp = 0x80;
constexpr quint8 kExt = 0x01;
constexpr int kQueued = 0x10000; // the hook finds the stroke waiting as the window opens
int stroke(quint8 scan, quint8 flags = 0)
{
    return scan << 8 | flags;
}
} // namespace

class TestCaptureWindows : public QObject
{
    Q_OBJECT
    TestAppFolder m_Folder;

    std::shared_ptr<FakeHookState> m_State;
    FakeKeyboardHook* m_pHook = nullptr;

    // Opens a capture window over a fresh fake hook, kept in m_State and m_pHook.
    template <class W> std::unique_ptr<W> open(const Strokes& strokes = {})
    {
        m_State = std::make_shared<FakeHookState>();
        std::copy_if(strokes.begin(), strokes.end(), std::back_inserter(m_State->queued),
                     [](int s) { return s & kQueued; });
        auto fake = std::make_unique<FakeKeyboardHook>(m_State);
        m_pHook = fake.get();
        return std::make_unique<W>(nullptr, 1.0, std::move(fake));
    }
    void type(const Strokes& strokes)
    {
        for (int s : strokes)
            if (!(s & kQueued))
                m_pHook->type(quint8(s >> 8), quint8(s & 0xFF));
    }

private slots:
    void single_data()
    {
        QTest::addColumn<Strokes>("strokes");
        QTest::addColumn<int>("code");
        // Keypad Enter is typed through the real hook end to end (e2e-buttons.sh).
        QTest::newRow("enter") << Strokes{stroke(0x1C)} << 0x1C;
        QTest::newRow("right ctrl") << Strokes{stroke(0x1D, kExt)} << 0xEE;
        QTest::newRow("last key touched")
            << Strokes{stroke(0x1E), stroke(0x30), stroke(0x1E, kUp)} << 0x1E;
        QTest::newRow("nothing") << Strokes{} << 0;
        QTest::newRow("key waiting at the start") << Strokes{stroke(0x1E) | kQueued} << 0x1E;
        // The Return that picked the menu entry is let go once the window is open.
        QTest::newRow("release of the opening key") << Strokes{stroke(0x1C, kUp)} << 0;
        QTest::newRow("its release waiting at the start")
            << Strokes{stroke(0x1C, kUp) | kQueued} << 0;
    }
    void single()
    {
        QFETCH(Strokes, strokes);
        QFETCH(int, code);
        auto window = open<KivoSingleKeyWindow>(strokes);
        QCOMPARE(m_State->mode, KeyboardHook::Observe);
        type(strokes);
        QCoreApplication::processEvents(); // the strokes found waiting come through the loop
        QCOMPARE(int(window->keyCode()), code);
        QCOMPARE(window->okButton()->isEnabled(), code != 0);
    }

    void combo_data()
    {
        QTest::addColumn<Strokes>("strokes");
        QTest::addColumn<QVector<quint8>>("prefill");
        QTest::addColumn<QVector<quint8>>("codes");
        using K = QVector<quint8>;
        // Ctrl+Shift+A is typed through the real hook end to end (e2e-buttons.sh).
        QTest::newRow("right ctrl is ctrl") << Strokes{stroke(0x1D, kExt)} << K{} << K{0x1D};
        QTest::newRow("a then b") << Strokes{stroke(0x1E), stroke(0x30)} << K{} << K{0x30};
        QTest::newRow("a let go of, then ctrl")
            << Strokes{stroke(0x1E), stroke(0x1E, kUp), stroke(0x1D)} << K{} << K{0x1D};
        QTest::newRow("right alt while alt held")
            << Strokes{stroke(0x38, 0x20 | kExt), stroke(0x1E)} << K{} << K{0x38, 0x1E};
        QTest::newRow("release of a key held before")
            << Strokes{stroke(0x1D, kUp), stroke(0x1E)} << K{} << K{0x1E};
        QTest::newRow("nothing") << Strokes{} << K{} << K{};
        QTest::newRow("prefill kept") << Strokes{} << K{0x1E, 0x1D} << K{0x1D, 0x1E};
        QTest::newRow("first key after prefill starts afresh")
            << Strokes{stroke(0x30)} << K{0x2A, 0x1E} << K{0x30};
    }
    void combo()
    {
        QFETCH(Strokes, strokes);
        QFETCH(QVector<quint8>, prefill);
        QFETCH(QVector<quint8>, codes);
        auto window = open<KivoComboKeyWindow>();
        QCOMPARE(m_State->mode, KeyboardHook::Swallow);
        if (!prefill.isEmpty())
            window->prefill(prefill);
        type(strokes);
        QCOMPARE(window->keyCodes(), codes);
        QCOMPARE(window->okButton()->isEnabled(), !codes.isEmpty());
    }

    // The repeat count and the delay go into one byte each, 1..255: a number beyond is taken
    // as 255, 0 not at all (-1). A new fire key repeats three times.
    void fireKeyFieldRanges()
    {
        auto window = open<KivoFireKeyWindow>();
        QCOMPARE(window->timesEdit()->text(), QStringLiteral("3"));
        for (QLineEdit* edit : {window->timesEdit(), window->delayEdit()}) {
            QStringList taken;
            for (QString text : {"0", "1", "255", "256"}) {
                int pos = 0;
                const bool bTaken =
                    edit->validator()->validate(text, pos) == QValidator::Acceptable;
                taken << (bTaken ? text : "-1");
            }
            QCOMPARE(taken.join(' '), QStringLiteral("-1 1 255 255"));
        }
        // What the window writes, it shows again as it was.
        ButtonAssignment b;
        ButtonWrites::writeFireKey(b, 0x82, 5, 50);
        window->prefill(b);
        QCOMPARE(window->timesEdit()->text() + ' ' + window->delayEdit()->text(),
                 QStringLiteral("5 50"));
    }

    // A record's fire code, count and delay (Res1, LoopNumber, KeyNumber) as the window shows
    // them: target, times, delay.
    void fireKeyPrefill_data()
    {
        QTest::addColumn<QVector<int>>("record");
        QTest::addColumn<QString>("shown");
        QTest::newRow("unset") << QVector<int>{0, 0, 0} << "0 3 10";
        QTest::newRow("right") << QVector<int>{0x82, 5, 50} << "1 5 50";
        QTest::newRow("middle") << QVector<int>{0x84, 1, 255} << "2 1 255";
        QTest::newRow("space bar") << QVector<int>{0x2C, 9, 20} << "3 9 20";
    }
    void fireKeyPrefill()
    {
        QFETCH(QVector<int>, record);
        QFETCH(QString, shown);
        auto window = open<KivoFireKeyWindow>();
        ButtonAssignment b;
        b.Res1 = quint8(record[0]);
        b.LoopNumber = record[1];
        b.KeyNumber = record[2];
        window->prefill(b);
        QCOMPARE(QString("%1 %2 %3")
                     .arg(window->target())
                     .arg(window->timesEdit()->text(), window->delayEdit()->text()),
                 shown);
        QCOMPARE(int(window->fireCode()), record[0] ? record[0] : 0x81);
        QCOMPARE(m_State->bRunning, window->target() == KivoFireKeyWindow::KeyTarget);
    }

    // Space captured, then 50 typed into "Delay:" and ended with Enter: what follows.
    void fireKeyAfterEnterInAField_data()
    {
        QTest::addColumn<Strokes>("strokes");
        QTest::addColumn<int>("code");
        QTest::newRow("release of that enter") << Strokes{stroke(0x1C, kUp)} << 0x39;
        QTest::newRow("a key after it")
            << Strokes{stroke(0x1C, kUp), stroke(0x1E), stroke(0x1E, kUp)} << 0x1E;
    }
    void fireKeyAfterEnterInAField()
    {
        QFETCH(Strokes, strokes);
        QFETCH(int, code);
        auto window = open<KivoFireKeyWindow>();
        window->targetButton(KivoFireKeyWindow::KeyTarget)->click();
        type({stroke(0x39), stroke(0x39, kUp)});
        window->show();
        QApplication::setActiveWindow(window.get());
        window->delayEdit()->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return !m_State->bRunning; }));
        window->delayEdit()->selectAll();
        QTest::keyClicks(window->delayEdit(), "50");
        QTest::keyClick(window->delayEdit(), Qt::Key_Return);
        QVERIFY(QTest::qWaitFor([&] { return m_State->bRunning; }));
        type(strokes);
        QCOMPARE(int(window->keyCode()), code);
        QCOMPARE(window->delay(), 50);
    }

    void fireKeyCapture()
    {
        auto window = open<KivoFireKeyWindow>();
        m_pHook->type(0x39); // ignored: the target is Left
        QCOMPARE(window->keyCode(), quint8(0));
        window->targetButton(KivoFireKeyWindow::KeyTarget)->click();
        QVERIFY(m_State->bRunning);
        QVERIFY(!window->okButton()->isEnabled()); // no key yet
        m_pHook->type(0x39);
        QCOMPARE(int(window->fireCode()), 0x2C);
        QVERIFY(window->okButton()->isEnabled());
        // Typing a number pauses the capture: the digits reach the field, not the key.
        window->show();
        QApplication::setActiveWindow(window.get());
        window->timesEdit()->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return window->timesEdit()->hasFocus(); }));
        QVERIFY(!m_State->bRunning);
        window->timesEdit()->selectAll();
        QTest::keyClicks(window->timesEdit(), "12");
        QCOMPARE(window->times(), 12);
        QCOMPARE(int(window->fireCode()), 0x2C);
        window->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return m_State->bRunning; }));
        window->timesEdit()->setText("");
        QVERIFY(!window->okButton()->isEnabled());
        window->targetButton(KivoFireKeyWindow::RightTarget)->click();
        QVERIFY(!m_State->bRunning);
        QCOMPARE(window->keyCode(), quint8(0));
        QVERIFY(!window->targetButton(KivoFireKeyWindow::KeyTarget)->isChecked());
    }
};

QTEST_MAIN(TestCaptureWindows)
#include "tst_capturewindows.moc"
