#include "FakeKeyboardHook.h"
#include "model/PrivateKeyCodes.h"
#include "platform/LinuxScanCodes.h"
#include "platform/LocalKeyboardHook.h"
#include "platform/ServerTimeMapper.h"
#include "widgets/KeyCapture.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <set>

namespace {
struct Reference
{
    int linuxCode;
    int set1; // 0xE0xx: extended, scan code xx
};

// Pairs of the columns "Linux Keycode" and "AT set1 keycode" of data/keymaps.csv in the public
// keycodemapdb project, for the keys of a 105-key PC keyboard and its media and browser keys.
const Reference kReference[] = {
    {1, 0x01},     {2, 0x02},     {3, 0x03},     {4, 0x04},     {5, 0x05},     {6, 0x06},
    {7, 0x07},     {8, 0x08},     {9, 0x09},     {10, 0x0a},    {11, 0x0b},    {12, 0x0c},
    {13, 0x0d},    {14, 0x0e},    {15, 0x0f},    {16, 0x10},    {17, 0x11},    {18, 0x12},
    {19, 0x13},    {20, 0x14},    {21, 0x15},    {22, 0x16},    {23, 0x17},    {24, 0x18},
    {25, 0x19},    {26, 0x1a},    {27, 0x1b},    {28, 0x1c},    {29, 0x1d},    {30, 0x1e},
    {31, 0x1f},    {32, 0x20},    {33, 0x21},    {34, 0x22},    {35, 0x23},    {36, 0x24},
    {37, 0x25},    {38, 0x26},    {39, 0x27},    {40, 0x28},    {41, 0x29},    {42, 0x2a},
    {43, 0x2b},    {44, 0x2c},    {45, 0x2d},    {46, 0x2e},    {47, 0x2f},    {48, 0x30},
    {49, 0x31},    {50, 0x32},    {51, 0x33},    {52, 0x34},    {53, 0x35},    {54, 0x36},
    {55, 0x37},    {56, 0x38},    {57, 0x39},    {58, 0x3a},    {59, 0x3b},    {60, 0x3c},
    {61, 0x3d},    {62, 0x3e},    {63, 0x3f},    {64, 0x40},    {65, 0x41},    {66, 0x42},
    {67, 0x43},    {68, 0x44},    {69, 0x45},    {70, 0x46},    {71, 0x47},    {72, 0x48},
    {73, 0x49},    {74, 0x4a},    {75, 0x4b},    {76, 0x4c},    {77, 0x4d},    {78, 0x4e},
    {79, 0x4f},    {80, 0x50},    {81, 0x51},    {82, 0x52},    {83, 0x53},    {86, 0x56},
    {87, 0x57},    {88, 0x58},    {96, 0xe01c},  {97, 0xe01d},  {98, 0xe035},  {99, 0x54},
    {100, 0xe038}, {102, 0xe047}, {103, 0xe048}, {104, 0xe049}, {105, 0xe04b}, {106, 0xe04d},
    {107, 0xe04f}, {108, 0xe050}, {109, 0xe051}, {110, 0xe052}, {111, 0xe053}, {113, 0xe020},
    {114, 0xe02e}, {115, 0xe030}, {119, 0xe046}, {125, 0xe05b}, {126, 0xe05c}, {127, 0xe05d},
    {128, 0xe068}, {140, 0xe021}, {155, 0xe06c}, {156, 0xe066}, {157, 0xe06b}, {158, 0xe06a},
    {159, 0xe069}, {163, 0xe019}, {164, 0xe022}, {165, 0xe010}, {166, 0xe024}, {172, 0xe032},
    {173, 0xe067}, {217, 0xe065},
};

// Where the hook record differs from the bytes the keyboard sends: Num Lock is flagged extended
// to tell it from Pause, Pause is reported as 0x45 plain (not its Ctrl+Break form), Print
// Screen as 0x37 extended (0x54 is Alt+Print).
int hookRecordCode(int linuxCode, int set1)
{
    switch (linuxCode) {
    case 69:
        return 0xe045;
    case 99:
        return 0xe037;
    case 119:
        return 0x45;
    default:
        return set1;
    }
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
        for (const Reference& ref : kReference)
            QTest::addRow("linux %d", ref.linuxCode)
                << ref.linuxCode << hookRecordCode(ref.linuxCode, ref.set1);
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

    void everyKeyIsCheckedAndDistinct()
    {
        std::set<int> codes;
        std::set<std::pair<int, bool>> strokes;
        for (const LinuxScanCodes::Entry& entry : LinuxScanCodes::entries()) {
            const bool checked =
                std::any_of(std::begin(kReference), std::end(kReference),
                            [&](const Reference& ref) { return ref.linuxCode == entry.linuxCode; });
            QVERIFY2(checked,
                     qPrintable(QString("linux %1 has no reference").arg(entry.linuxCode)));
            QVERIFY2(codes.insert(entry.linuxCode).second, "a Linux key listed twice");
            QVERIFY2(strokes.insert({entry.scanCode, entry.extended}).second,
                     qPrintable(QString("two keys give scan code %1").arg(entry.scanCode, 0, 16)));
        }
        QCOMPARE(codes.size(), std::size(kReference));
    }

    void privateCodes_data()
    {
        QTest::addColumn<int>("scanCode");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("code");
        const struct
        {
            int scan;
            bool extended;
            int code;
        } table[] = {{0x53, false, 0xE0}, {0x45, true, 0xE1},  {0x35, true, 0xE2},
                     {0x37, false, 0xE3}, {0x49, false, 0xE4}, {0x1C, true, 0xE5},
                     {0x4F, false, 0xE6}, {0x50, false, 0xE7}, {0x51, false, 0xE8},
                     {0x4B, false, 0xE9}, {0x4D, false, 0xEA}, {0x47, false, 0xEB},
                     {0x48, false, 0xEC}, {0x52, false, 0xED}, {0x1D, true, 0xEE}};
        for (const auto& row : table) {
            const int own = row.extended ? 0x01 : 0x00;
            const int twin = row.extended ? 0x00 : 0x01;
            // The key-up bit and the Alt bit do not change which key it is.
            QTest::addRow("%02x/%02x", row.scan, own) << row.scan << own << row.code;
            QTest::addRow("%02x/%02x", row.scan, own | 0xA0)
                << row.scan << (own | 0xA0) << row.code;
            QTest::addRow("%02x/%02x twin", row.scan, twin) << row.scan << twin << row.scan;
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

    void localHookTranslatesKeyEvents_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("linuxCode");
        QTest::addColumn<bool>("autoRepeat");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("strokeCount"); // 0 or 1
        QTest::addColumn<int>("scanCode");
        QTest::addColumn<int>("flags");

        const int press = QEvent::KeyPress;
        const int release = QEvent::KeyRelease;
        QTest::newRow("keypad enter") << press << 96 << false << 0 << 1 << 0x1C << 0x01;
        QTest::newRow("enter") << press << 28 << false << 0 << 1 << 0x1C << 0x00;
        QTest::newRow("delete up") << release << 111 << false << 0 << 1 << 0x53 << 0x81;
        QTest::newRow("keypad dot") << press << 83 << false << 0 << 1 << 0x53 << 0x00;
        QTest::newRow("a with alt")
            << press << 30 << false << int(Qt::AltModifier) << 1 << 0x1E << 0x20;
        QTest::newRow("repeated press") << press << 30 << true << 0 << 1 << 0x1E << 0x00;
        QTest::newRow("repeat's release") << release << 30 << true << 0 << 0 << 0 << 0;
        QTest::newRow("no pc key") << press << 240 << false << 0 << 0 << 0 << 0;
        QTest::newRow("synthesized") << press << -kXkb << false << 0 << 0 << 0 << 0;
    }

    void localHookTranslatesKeyEvents()
    {
        QFETCH(int, type);
        QFETCH(int, linuxCode);
        QFETCH(bool, autoRepeat);
        QFETCH(int, modifiers);
        QFETCH(int, strokeCount);
        QFETCH(int, scanCode);
        QFETCH(int, flags);

        LocalKeyboardHook hook;
        QSignalSpy spy(&hook, &KeyboardHook::keyStroke);
        const QKeyEvent event =
            keyEvent(QEvent::Type(type), linuxCode, Qt::KeyboardModifiers(modifiers), autoRepeat);
        QVERIFY2(!hook.feedKeyEvent(&event), "a hook that was not started takes no keys");
        QVERIFY(hook.start(KeyboardHook::Observe));
        QCOMPARE(hook.feedKeyEvent(&event), strokeCount == 1);
        QCOMPARE(spy.count(), strokeCount);
        if (strokeCount == 1) {
            const KeyStroke stroke = spy.at(0).at(0).value<KeyStroke>();
            QCOMPARE(int(stroke.scanCode), scanCode);
            QCOMPARE(int(stroke.flags), flags);
            QVERIFY(stroke.timeMs >= 0);
        }
    }

    void altHeldFollowsTheAltKeys()
    {
        LocalKeyboardHook hook;
        QVERIFY(hook.start(KeyboardHook::Observe));
        QSignalSpy spy(&hook, &KeyboardHook::keyStroke);
        // Left Alt held, right Alt pressed and let go, A typed, left Alt let go (twice, as a client
        // taking back a modifier does: one stroke), A typed again.
        const struct
        {
            QEvent::Type type;
            int linuxCode;
            int flags;
            int keyCode;
        } steps[] = {
            {QEvent::KeyPress, 56, 0x20, 0x38},    {QEvent::KeyPress, 100, 0x21, 0xEF},
            {QEvent::KeyRelease, 100, 0x81, 0xEF}, {QEvent::KeyPress, 30, 0x20, 0x1E},
            {QEvent::KeyRelease, 30, 0xA0, 0x1E},  {QEvent::KeyRelease, 56, 0x80, 0x38},
            {QEvent::KeyPress, 30, 0x00, 0x1E},
        };
        qint64 lastTime = 0;
        for (const auto& step : steps) {
            const QKeyEvent event = keyEvent(step.type, step.linuxCode);
            QCOMPARE(hook.feedKeyEvent(&event), step.flags >= 0);
            if (step.flags < 0)
                continue;
            const KeyStroke stroke = spy.takeLast().at(0).value<KeyStroke>();
            QCOMPARE(int(stroke.flags), step.flags);
            QCOMPARE(int(PrivateKeyCodes::keyCode(stroke.scanCode, stroke.flags)), step.keyCode);
            QCOMPARE(stroke.vkCode, step.linuxCode == 100 ? 0xA5u : 0u);
            QVERIFY(stroke.timeMs >= lastTime);
            lastTime = stroke.timeMs;
        }
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
        QCOMPARE(int(spy.at(0).at(0).value<KeyStroke>().scanCode), 0xE5);
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
