#include "FakeKeyboardHook.h"
#include "model/PrivateKeyCodes.h"
#include "platform/LinuxScanCodes.h"
#include "platform/LocalKeyboardHook.h"
#include "platform/ServerTimeMapper.h"
#include "widgets/KeyCapture.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QtTest>

#include <memory>

namespace {
struct Reference
{
    int linuxCode;
    int set1; // 0xE0xx: extended, scan code xx
};

// Pairs of the columns "Linux Keycode" and "AT set1 keycode" of data/keymaps.csv in the public
// keycodemapdb project, for the keys of a 105-key PC keyboard and its media and browser keys:
// keys 1-83 and 86-88 have a set 1 code equal to their Linux code, the others are listed.
const Reference kListed[] = {
    {96, 0xe01c},  {97, 0xe01d},  {98, 0xe035},  {99, 0x54},    {100, 0xe038}, {102, 0xe047},
    {103, 0xe048}, {104, 0xe049}, {105, 0xe04b}, {106, 0xe04d}, {107, 0xe04f}, {108, 0xe050},
    {109, 0xe051}, {110, 0xe052}, {111, 0xe053}, {113, 0xe020}, {114, 0xe02e}, {115, 0xe030},
    {119, 0xe046}, {125, 0xe05b}, {126, 0xe05c}, {127, 0xe05d}, {128, 0xe068}, {140, 0xe021},
    {155, 0xe06c}, {156, 0xe066}, {157, 0xe06b}, {158, 0xe06a}, {159, 0xe069}, {163, 0xe019},
    {164, 0xe022}, {165, 0xe010}, {166, 0xe024}, {172, 0xe032}, {173, 0xe067}, {217, 0xe065},
};

// Where the hook record differs from the bytes the keyboard sends: Num Lock is flagged extended
// to tell it from Pause, Pause is reported as 0x45 plain (not its Ctrl+Break form), Print
// Screen as 0x37 extended (0x54 is Alt+Print).
const Reference kHookRecord[] = {{69, 0xe045}, {99, 0xe037}, {119, 0x45}};

// The reference keys as the hook record reports them.
QVector<Reference> reference()
{
    QVector<Reference> all;
    for (int code = 1; code <= 88; ++code) {
        if (code < 84 || code > 85)
            all.append({code, code});
    }
    all += QVector<Reference>(std::begin(kListed), std::end(kListed));
    for (Reference& ref : all) {
        for (const Reference& record : kHookRecord) {
            if (ref.linuxCode == record.linuxCode)
                ref.set1 = record.set1;
        }
    }
    return all;
}

constexpr int kXkb = LinuxScanCodes::kXkbOffset;

QKeyEvent keyEvent(QEvent::Type type, int linuxCode, Qt::KeyboardModifiers modifiers = {},
                   bool autoRepeat = false)
{
    return QKeyEvent(type, Qt::Key_unknown, modifiers, quint32(linuxCode + kXkb), 0, 0, QString(),
                     autoRepeat);
}

} // namespace

class TestKeyboardHook : public QObject
{
    Q_OBJECT

private slots:
    void scanCodesAgreeWithReference_data()
    {
        QTest::addColumn<int>("linuxCode");
        QTest::addColumn<int>("expected");
        for (const Reference& ref : reference())
            QTest::addRow("linux %d", ref.linuxCode) << ref.linuxCode << ref.set1;
    }

    void scanCodesAgreeWithReference()
    {
        QFETCH(int, linuxCode);
        QFETCH(int, expected);
        quint8 scanCode = 0;
        bool extended = false;
        QVERIFY(LinuxScanCodes::lookup(quint16(linuxCode), &scanCode, &extended));
        QCOMPARE(int(scanCode), expected & 0xFF);
        QCOMPARE(extended, (expected & 0xFF00) == 0xE000);
        QCOMPARE(LinuxScanCodes::virtualKey(quint16(linuxCode)), linuxCode == 100 ? 0xA5u : 0u);
    }

    // Every reference key is found above: equal counts leave no entry of the table unchecked.
    void everyKeyIsChecked()
    {
        QCOMPARE(int(LinuxScanCodes::entries().size()), reference().size());
    }

    void privateCodes_data()
    {
        QTest::addColumn<int>("scanCode");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("code");
        // Scan code, extended, private code.
        const int table[][3] = {{0x53, 0, 0xE0}, {0x45, 1, 0xE1}, {0x35, 1, 0xE2}, {0x37, 0, 0xE3},
                                {0x49, 0, 0xE4}, {0x1C, 1, 0xE5}, {0x4F, 0, 0xE6}, {0x50, 0, 0xE7},
                                {0x51, 0, 0xE8}, {0x4B, 0, 0xE9}, {0x4D, 0, 0xEA}, {0x47, 0, 0xEB},
                                {0x48, 0, 0xEC}, {0x52, 0, 0xED}, {0x1D, 1, 0xEE}};
        for (const auto& row : table) {
            const int scan = row[0];
            const int own = row[1];
            const int twin = 1 - own;
            // The key-up bit and the Alt bit do not change which key it is.
            QTest::addRow("%02x/%02x", scan, own) << scan << own << row[2];
            QTest::addRow("%02x/%02x", scan, own | 0xA0) << scan << (own | 0xA0) << row[2];
            QTest::addRow("%02x/%02x twin", scan, twin) << scan << twin << scan;
        }
        QTest::newRow("right alt down") << 0x38 << 0x01 << 0xEF;
        QTest::newRow("right alt down, alt held") << 0x38 << 0x21 << 0xEF;
        QTest::newRow("right alt up") << 0x38 << 0x81 << 0xEF;
        QTest::newRow("left alt down") << 0x38 << 0x20 << 0x38;
        QTest::newRow("left alt up") << 0x38 << 0x80 << 0x38;
        QTest::newRow("keypad 5") << 0x4C << 0x00 << 0x4C;
    }

    void privateCodes()
    {
        QFETCH(int, scanCode);
        QFETCH(int, flags);
        QFETCH(int, code);
        QCOMPARE(int(PrivateKeyCodes::keyCode(quint8(scanCode), quint8(flags))), code);
    }

    // One window-local hook fed a stream of key events: what each becomes, "-" for nothing.
    void localHookTranslatesKeyEvents()
    {
        LocalKeyboardHook hook;
        QSignalSpy spy(&hook, &KeyboardHook::keyStroke);
        const QKeyEvent early = keyEvent(QEvent::KeyPress, 30);
        QVERIFY2(!hook.feedKeyEvent(&early), "a hook that was not started takes no keys");
        QVERIFY(hook.start(KeyboardHook::Observe));
        // "+" press, "-" release, "a" with Alt in the window's modifiers, "r" auto-repeated, 0 no
        // native key code (a synthesized event). Keys that share a scan code, a held key's
        // repeats, a key without a PC scan code; then left Alt held around right Alt and A, let
        // go twice (as a client taking back a modifier does: one stroke).
        const QStringList events =
            QString("+96 +28 -111 +83 +30a +30r -30r +240 +0 +56 +100 -100 +30 -30 -56 -56 +30")
                .split(' ');
        const QStringList expected = {"1c/01", "1c/00", "53/81", "53/00", "1e/20",    "1e/00",
                                      "-",     "-",     "-",     "38/20", "38/21 a5", "38/81 a5",
                                      "1e/20", "1e/a0", "38/80", "-",     "1e/00"};
        QStringList got;
        qint64 lastTime = 0;
        for (const QString& e : events) {
            const int linuxCode = e.mid(1).remove(QRegularExpression("[ar]")).toInt();
            const QKeyEvent event =
                keyEvent(e.startsWith('+') ? QEvent::KeyPress : QEvent::KeyRelease,
                         linuxCode ? linuxCode : -kXkb,
                         e.contains('a') ? Qt::AltModifier : Qt::NoModifier, e.contains('r'));
            const bool taken = hook.feedKeyEvent(&event);
            QCOMPARE(spy.count(), int(taken));
            if (!taken) {
                got << "-";
                continue;
            }
            const KeyStroke s = spy.takeFirst().at(0).value<KeyStroke>();
            got << QString::asprintf("%02x/%02x", s.scanCode, s.flags) +
                       (s.vkCode ? QString::asprintf(" %x", s.vkCode) : QString());
            QVERIFY(s.timeMs >= lastTime);
            lastTime = s.timeMs;
        }
        QCOMPARE(got, expected);
    }

    void serverTimesKeepTheirGapsAcrossTheWrap()
    {
        ServerTimeMapper mapper;
        // (server time, read at) -> mapped: the server's gaps whatever the reading jitter; a stamp
        // a little out of order does not run the clock backwards.
        const qint64 steps[][3] = {{0xFFFFFFF0, 1000, 1000},
                                   {0xFFFFFFFA, 1030, 1010},
                                   {0x00000004, 1021, 1020},
                                   {0x00000002, 1040, 1020},
                                   {0x00000010, 1040, 1032}};
        for (const auto& step : steps)
            QCOMPARE(mapper.map(quint32(step[0]), step[1]), step[2]);
        mapper.reset();
        QCOMPARE(mapper.map(5, 3000), 3000);
    }

    void captureTakesKeysFromEveryWidgetOfTheWindow()
    {
        QDialog window;
        auto* button = new QPushButton("OK", &window);
        QObject::connect(button, &QPushButton::clicked, &window, &QDialog::accept);
        button->setDefault(true);
        QShortcut shortcut(QKeySequence(Qt::Key_Return), &window);
        QSignalSpy shortcutSpy(&shortcut, &QShortcut::activated);
        QSignalSpy clickSpy(button, &QPushButton::clicked);
        KeyCapture capture(&window, KeyboardHook::Observe, std::make_unique<LocalKeyboardHook>());
        QSignalSpy spy(&capture, &KeyCapture::keyCaptured);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        button->setFocus();
        QVERIFY(capture.start());

        // Return, keypad Enter and Space on the focused default button: captured as keys, neither
        // the shortcut nor the button fires.
        QTest::keyClick(button, Qt::Key_Return);
        for (int linuxCode : {96, 28, 57}) {
            QKeyEvent press(QEvent::KeyPress, linuxCode == 57 ? Qt::Key_Space : Qt::Key_Return,
                            Qt::NoModifier, quint32(linuxCode + kXkb), 0, 0);
            QApplication::sendEvent(button, &press);
            QKeyEvent up(QEvent::KeyRelease, press.key(), Qt::NoModifier, quint32(linuxCode + kXkb),
                         0, 0);
            QApplication::sendEvent(button, &up);
        }
        QVERIFY(window.isVisible());
        QCOMPARE(clickSpy.count(), 0);
        QCOMPARE(shortcutSpy.count(), 0);
        const QList<int> expected = {0xE5, 0xE5, 0x1C, 0x1C, 0x39, 0x39};
        QList<int> codes;
        for (const QList<QVariant>& args : spy)
            codes << args.at(0).value<KeyStroke>().scanCode;
        QCOMPARE(codes, expected); // the synthesized event without a native code gave nothing
    }

    void captureEndsOnEveryPath_data()
    {
        QTest::addColumn<QString>("path");
        for (const char* path : {"stop", "hide", "close", "window deleted", "capture deleted"})
            QTest::newRow(path) << QString(path);
    }

    void captureEndsOnEveryPath()
    {
        QFETCH(QString, path);
        auto record = std::make_shared<FakeHookState>();
        auto window = std::make_unique<QDialog>();
        QPointer<QLineEdit> edit = new QLineEdit(window.get());
        auto* hook = new FakeKeyboardHook(record);
        auto* capture = new KeyCapture(window.get(), KeyboardHook::Swallow,
                                       std::unique_ptr<KeyboardHook>(hook));
        QSignalSpy spy(capture, &KeyCapture::keyCaptured);
        window->show();
        QVERIFY(capture->start());
        QVERIFY(record->bRunning);
        hook->type(0x1C, 0x01);
        QCOMPARE(spy.count(), 1);
        QTest::keyClick(edit, Qt::Key_A);
        QCOMPARE(edit->text(),
                 QString()); // the window does not act on keys while they are captured

        if (path == "stop")
            capture->stop();
        else if (path == "hide")
            window->hide();
        else if (path == "close")
            window->close();
        else if (path == "window deleted")
            window.reset();
        else
            delete capture;
        QVERIFY(!record->bRunning);
        QVERIFY(record->iStops >= 1);
        if (edit) {
            QTest::keyClick(edit, Qt::Key_A);
            QCOMPARE(edit->text(), QString("a")); // the window has its keys back
        }
    }
};

QTEST_MAIN(TestKeyboardHook)
#include "tst_keyboardhook.moc"
