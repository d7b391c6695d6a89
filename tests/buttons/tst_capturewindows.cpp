#include "FakeKeyboardHook.h"
#include "TestAppFolder.h"
#include "buttons/KivoComboKeyWindow.h"
#include "buttons/KivoFireKeyWindow.h"
#include "buttons/KivoSingleKeyWindow.h"
#include "model/ButtonAssignment.h"
#include "model/KeyTable.h"
#include "widgets/KeyCapture.h"
#include "widgets/KivoPushButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {
// A stroke list: scan code and hook flags, pairs packed as 0xSSFF.
using Strokes = QVector<int>;
constexpr quint8 kUp = 0x80;
constexpr quint8 kExt = 0x01;
int stroke(quint8 scan, quint8 flags = 0)
{
    return scan << 8 | flags;
}
} // namespace

class TestCaptureWindows : public QObject
{
    Q_OBJECT
    TestAppFolder m_Folder;

    template <class W>
    std::unique_ptr<W> open(std::shared_ptr<FakeHookState>& state, FakeKeyboardHook** hook,
                            QWidget* parent = nullptr, bool bGlobal = true)
    {
        state = std::make_shared<FakeHookState>();
        auto fake = std::make_unique<FakeKeyboardHook>(state, bGlobal);
        *hook = fake.get();
        return std::make_unique<W>(parent, 1.0, std::move(fake));
    }
    static void type(FakeKeyboardHook* hook, const Strokes& strokes)
    {
        for (int s : strokes)
            hook->type(quint8(s >> 8), quint8(s & 0xFF));
    }

private slots:
    void single_data()
    {
        QTest::addColumn<Strokes>("strokes");
        QTest::addColumn<int>("code");
        QTest::newRow("keypad enter")
            << Strokes{stroke(0x1C, kExt), stroke(0x1C, kExt | kUp)} << 0xE5;
        QTest::newRow("enter") << Strokes{stroke(0x1C)} << 0x1C;
        QTest::newRow("right ctrl") << Strokes{stroke(0x1D, kExt)} << 0xEE;
        QTest::newRow("last key touched")
            << Strokes{stroke(0x1E), stroke(0x30), stroke(0x1E, kUp)} << 0x1E;
        QTest::newRow("nothing") << Strokes{} << 0;
    }
    void single()
    {
        QFETCH(Strokes, strokes);
        QFETCH(int, code);
        std::shared_ptr<FakeHookState> state;
        FakeKeyboardHook* hook = nullptr;
        auto window = open<KivoSingleKeyWindow>(state, &hook);
        QCOMPARE(state->mode, KeyboardHook::Observe);
        type(hook, strokes);
        QCOMPARE(int(window->keyCode()), code);
        QCOMPARE(window->keyText(), KeyTable::keyName(quint8(code)));
        QCOMPARE(window->okButton()->isEnabled(), code != 0);
    }

    void combo_data()
    {
        QTest::addColumn<Strokes>("strokes");
        QTest::addColumn<QVector<quint8>>("prefill");
        QTest::addColumn<QVector<quint8>>("codes");
        QTest::newRow("right ctrl is ctrl")
            << Strokes{stroke(0x1D, kExt)} << QVector<quint8>{} << QVector<quint8>{0x1D};
        QTest::newRow("ctrl shift a, all released")
            << Strokes{stroke(0x1D),      stroke(0x2A),      stroke(0x1E),
                       stroke(0x1E, kUp), stroke(0x2A, kUp), stroke(0x1D, kUp)}
            << QVector<quint8>{} << QVector<quint8>{0x2A, 0x1D, 0x1E};
        QTest::newRow("a then b") << Strokes{stroke(0x1E), stroke(0x30)} << QVector<quint8>{}
                                  << QVector<quint8>{0x30};
        QTest::newRow("right alt while alt held")
            << Strokes{stroke(0x38, 0x20 | kExt), stroke(0x1E)} << QVector<quint8>{}
            << QVector<quint8>{0x38, 0x1E};
        QTest::newRow("release of a key held before") << Strokes{stroke(0x1D, kUp), stroke(0x1E)}
                                                      << QVector<quint8>{} << QVector<quint8>{0x1E};
        QTest::newRow("nothing") << Strokes{} << QVector<quint8>{} << QVector<quint8>{};
        QTest::newRow("prefill kept")
            << Strokes{} << QVector<quint8>{0x1E, 0x1D} << QVector<quint8>{0x1D, 0x1E};
        QTest::newRow("first key after prefill starts afresh")
            << Strokes{stroke(0x30)} << QVector<quint8>{0x2A, 0x1E} << QVector<quint8>{0x30};
    }
    void combo()
    {
        QFETCH(Strokes, strokes);
        QFETCH(QVector<quint8>, prefill);
        QFETCH(QVector<quint8>, codes);
        std::shared_ptr<FakeHookState> state;
        FakeKeyboardHook* hook = nullptr;
        auto window = open<KivoComboKeyWindow>(state, &hook);
        QCOMPARE(state->mode, KeyboardHook::Swallow);
        if (!prefill.isEmpty())
            window->prefill(prefill);
        type(hook, strokes);
        QCOMPARE(window->keyCodes(), codes);
        QStringList names;
        for (quint8 c : codes)
            names << KeyTable::keyName(c);
        QCOMPARE(window->keyText(), names.join(" + "));
        QCOMPARE(window->okButton()->isEnabled(), !codes.isEmpty());
    }

    void fireKeyPrefill_data()
    {
        QTest::addColumn<int>("res1");
        QTest::addColumn<int>("loop");
        QTest::addColumn<int>("keyNumber");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("times");
        QTest::addColumn<QString>("delay");
        QTest::newRow("unset") << 0 << 0 << 0 << 0 << QString("3") << QString("10");
        QTest::newRow("right") << 0x82 << 5 << 50 << 1 << QString("5") << QString("50");
        QTest::newRow("middle") << 0x84 << 1 << 255 << 2 << QString("1") << QString("255");
        QTest::newRow("space bar") << 0x2C << 9 << 20 << 3 << QString("9") << QString("20");
    }
    void fireKeyPrefill()
    {
        QFETCH(int, res1);
        QFETCH(int, loop);
        QFETCH(int, keyNumber);
        QFETCH(int, target);
        QFETCH(QString, times);
        QFETCH(QString, delay);
        std::shared_ptr<FakeHookState> state;
        FakeKeyboardHook* hook = nullptr;
        auto window = open<KivoFireKeyWindow>(state, &hook);
        ButtonAssignment b;
        b.Res1 = quint8(res1);
        b.LoopNumber = loop;
        b.KeyNumber = keyNumber;
        window->prefill(b);
        QCOMPARE(int(window->target()), target);
        QCOMPARE(window->timesEdit()->text(), times);
        QCOMPARE(window->delayEdit()->text(), delay);
        QCOMPARE(int(window->fireCode()), res1 ? res1 : 0x81);
        QCOMPARE(state->bRunning, target == KivoFireKeyWindow::KeyTarget);
        QCOMPARE(window->keyText(), target == 3 ? KeyTable::keyName(0x39) : QString());
    }

    void fireKeyCapture()
    {
        std::shared_ptr<FakeHookState> state;
        FakeKeyboardHook* hook = nullptr;
        auto window = open<KivoFireKeyWindow>(state, &hook);
        hook->type(0x39); // ignored: the target is Left
        QCOMPARE(window->keyCode(), quint8(0));
        window->targetButton(KivoFireKeyWindow::KeyTarget)->click();
        QVERIFY(state->bRunning);
        QVERIFY(!window->okButton()->isEnabled()); // no key yet
        hook->type(0x39);
        QCOMPARE(int(window->fireCode()), 0x2C);
        QVERIFY(window->okButton()->isEnabled());
        // Typing a number pauses the capture: the digits reach the field, not the key.
        window->show();
        QApplication::setActiveWindow(window.get());
        window->timesEdit()->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return window->timesEdit()->hasFocus(); }));
        QVERIFY(!state->bRunning);
        window->timesEdit()->selectAll();
        QTest::keyClicks(window->timesEdit(), "12");
        QCOMPARE(window->times(), 12);
        QCOMPARE(int(window->fireCode()), 0x2C);
        window->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return state->bRunning; }));
        window->timesEdit()->setText("");
        QVERIFY(!window->okButton()->isEnabled());
        window->targetButton(KivoFireKeyWindow::RightTarget)->click();
        QVERIFY(!state->bRunning);
        QCOMPARE(window->keyCode(), quint8(0));
        QVERIFY(!window->targetButton(KivoFireKeyWindow::KeyTarget)->isChecked());
    }

    void focusNoteOnlyWithoutGlobalHook()
    {
        for (bool bGlobal : {true, false}) {
            std::shared_ptr<FakeHookState> state;
            FakeKeyboardHook* hook = nullptr;
            QWidget parent;
            auto window = open<KivoComboKeyWindow>(state, &hook, &parent, bGlobal);
            window->show();
            QCOMPARE(window->findChild<QLabel*>("focusNote")->isVisible(), !bGlobal);
        }
    }
};

QTEST_MAIN(TestCaptureWindows)
#include "tst_capturewindows.moc"
