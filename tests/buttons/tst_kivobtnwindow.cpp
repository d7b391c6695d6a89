#include "FakeKeyboardHook.h"
#include "ScriptedUserPrompts.h"
#include "TestAppFolder.h"
#include "buttons/ButtonMenus.h"
#include "buttons/ButtonWrites.h"
#include "buttons/KivoAction.h"
#include "buttons/KivoBtnWindow.h"
#include "model/ProfileData.h"
#include "widgets/KivoPushButton.h"

#include <QMenu>
#include <QtTest>

// Where the button menu offers a code: "top", a submenu's title, or "" when it is not offered.
static QString placeOf(QMenu* menu, int iCode)
{
    for (QAction* action : menu->actions()) {
        if (action->menu()) {
            if (!placeOf(action->menu(), iCode).isEmpty())
                return action->menu()->title();
        } else if (auto* k = qobject_cast<KivoAction*>(action); k && k->code() == iCode) {
            return QStringLiteral("top");
        }
    }
    return QString();
}

static bool offers(QMenu* menu, int iCode)
{
    return !placeOf(menu, iCode).isEmpty();
}

class TestKivoBtnWindow : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestAppFolder> m_pFolder;
    ProfileData m_Profile;
    std::unique_ptr<KivoBtnWindow> m_pWindow;
    std::shared_ptr<FakeHookState> m_pHook;
    FakeKeyboardHook* m_pLastHook = nullptr;

    void setDescription(const QString& key, int value)
    {
        QSettings(m_pFolder->path() + "/DefaultProfile.bin", QSettings::IniFormat)
            .setValue("PROFILE/" + key, value);
    }
    // A fresh window over a profile with Left on record 0 and Right on every other record.
    void makeWindow()
    {
        m_pWindow.reset();
        m_Profile = ProfileData();
        for (auto& b : m_Profile.ButtonInfo)
            b.Fun = FunctionCode::RightClick;
        m_Profile.ButtonInfo[0].Fun = FunctionCode::LeftClick;
        m_pWindow = std::make_unique<KivoBtnWindow>(&m_Profile, nullptr, 1.0);
        m_pHook = std::make_shared<FakeHookState>();
        m_pWindow->setHookFactory([this] {
            auto hook = std::make_unique<FakeKeyboardHook>(m_pHook);
            m_pLastHook = hook.get();
            return hook;
        });
    }
    void pickOn(int iSet, int iIndex, int iCode)
    {
        m_pWindow->slotMouseEnter(m_pWindow->button(iSet, iIndex));
        m_pWindow->pick(iCode);
    }

private slots:
    void init()
    {
        m_pFolder = std::make_unique<TestAppFolder>();
        makeWindow();
    }
    void cleanup()
    {
        m_pWindow.reset();
        m_pFolder.reset();
    }

    // Codes of the catalogue, one or two of each menu and every code with a rule of its own:
    // where it is offered, its label on a button and on a wheel entry, and what picking it
    // writes.
    void catalogue_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("place");
        QTest::addColumn<bool>("wheel");
        const auto row = [](int code, const char* label, const char* place, bool wheel) {
            QTest::newRow(QByteArray::number(code))
                << code << QString(label) << QString(place) << wheel;
        };
        row(1, "Left", "top", true);
        row(2, "Right", "top", true);
        row(3, "Middle", "top", true);
        row(17, "Cut", "Basic", false);
        row(25, "Switch Window", "Windows", false);
        row(6, "SINGLE KEY", "Advance", true);
        row(7, "COMBO KEY", "Advance", true);
        row(12, "FIRE KEY", "Advance", false);
        row(55, "SNIPER", "Advance", false);
        row(39, "Play/Pause", "Media", false);
        row(44, "Volume Down", "Media", true);
        row(47, "DPI Switch", "DPI", false);
        row(59, "Profile Switch", "", false);
        row(63, "Rate Switch", "Polling Rate", false);
        row(200, "", "top", false);
        row(510, "", "", false);
        row(54, "Led Switch", "top", false);
        row(16, "Button Off", "top", false);
        row(52, "", "", true);
        row(53, "", "", true);
    }
    void catalogue()
    {
        QFETCH(int, code);
        QFETCH(QString, label);
        QFETCH(QString, place);
        QFETCH(bool, wheel);
        QCOMPARE(placeOf(m_pWindow->menus()->buttonMenu(), code), place);
        QCOMPARE(offers(m_pWindow->menus()->wheelMenu(), code), wheel);

        // Labels straight from a record that holds the code; wheel-only codes are named only
        // on the wheel entries.
        m_Profile.ButtonInfo[3].Fun = code;
        m_Profile.ButtonInfo[3].macroname = "m";
        m_Profile.ButtonInfo[41].Fun = code;
        m_pWindow->setProfile(&m_Profile);
        const bool bMacro = code == FunctionCode::Macro || code == FunctionCode::GunFile;
        QCOMPARE(m_pWindow->label(3), bMacro ? QString("m") : label);
        if (wheel)
            QCOMPARE(m_pWindow->label(41),
                     label.isEmpty()
                         ? QString(code == FunctionCode::ScrollUp ? "Scroll Up" : "Scroll Down")
                         : label);

        // Plain picks write the code and nothing else (the sniper also marks Res1).
        if (bMacro || code == FunctionCode::SingleKey || code == FunctionCode::ComboKey ||
            code == FunctionCode::FireKey)
            return;
        m_Profile.ButtonInfo[3] = ButtonAssignment();
        m_Profile.ButtonInfo[3].Fun = FunctionCode::RightClick;
        pickOn(0, 3, code);
        ButtonAssignment expected;
        expected.Fun = code;
        expected.Res1 = code == FunctionCode::Sniper ? 1 : 0;
        QVERIFY(m_Profile.ButtonInfo[3] == expected);
        QCOMPARE(m_pWindow->currentSet(), KivoBtnWindow::kNone);
    }

    void menuFollowsModel_data()
    {
        QTest::addColumn<int>("disableMacro");
        QTest::addColumn<int>("ledDisable");
        QTest::newRow("no macro") << 1 << 0;
        QTest::newRow("no lighting") << 0 << 1;
    }
    void menuFollowsModel()
    {
        QFETCH(int, disableMacro);
        QFETCH(int, ledDisable);
        setDescription("DisableMacro", disableMacro);
        setDescription("ledDisable", ledDisable);
        m_Profile.ButtonInfo[2].Fun = FunctionCode::Macro;
        m_Profile.ButtonInfo[2].macroname = "held";
        m_pWindow->retranslate();
        QCOMPARE(offers(m_pWindow->menus()->buttonMenu(), FunctionCode::Macro), !disableMacro);
        QCOMPARE(offers(m_pWindow->menus()->buttonMenu(), FunctionCode::LedSwitch), !ledDisable);
        QCOMPARE(m_pWindow->label(2), QString("held"));
    }

    // The three refusals: the last Left click, a gun file on the primary button, no macros.
    // Outcome: the record's code afterwards, one-click boxes, jumps to the macro tab.
    void rules_data()
    {
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("secondLeft");
        QTest::addColumn<QVector<int>>("outcome");
        QTest::addColumn<QString>("notice");
        using V = QVector<int>;
        QTest::newRow("last left") << 0 << 2 << false << V{1, 1, 0} << "";
        QTest::newRow("second left") << 0 << 2 << true << V{2, 0, 0} << "";
        QTest::newRow("left again") << 0 << 1 << false << V{1, 0, 0} << "";
        QTest::newRow("gun on primary")
            << 0 << 510 << true << V{1, 0, 0} << "Left Button Can not be Gun Function.";
        QTest::newRow("no macros") << 5 << 200 << false << V{2, 0, 1} << "";
        QTest::newRow("no gun files") << 5 << 510 << false << V{2, 0, 1} << "";
    }
    void rules()
    {
        QFETCH(int, record);
        QFETCH(int, code);
        QFETCH(bool, secondLeft);
        QFETCH(QVector<int>, outcome);
        QFETCH(QString, notice);
        if (secondLeft)
            m_Profile.ButtonInfo[30].Fun = FunctionCode::LeftClick;
        ScriptedUserPrompts prompts;
        QSignalSpy oneClick(m_pWindow.get(), &KivoBtnWindow::PopOneClickBox);
        QSignalSpy macroTab(m_pWindow.get(), &KivoBtnWindow::GotoMacroTab);
        pickOn(0, record, code);
        QCOMPARE(
            QVector<int>({m_Profile.ButtonInfo[record].Fun, oneClick.count(), macroTab.count()}),
            outcome);
        if (macroTab.count())
            QCOMPARE(macroTab.first().first().value<quint8>(), quint8(3));
        QCOMPARE(prompts.texts(), notice.isEmpty() ? QStringList() : QStringList{notice});
    }

    // A cancelled dialog pick leaves record and label as they were, and the capture never
    // outlives the dialog (accepted picks are driven through the real menus end to end).
    void dialogPicks_data()
    {
        QTest::addColumn<int>("code");
        for (int code : {6, 7, 12})
            QTest::addRow("%d", code) << code;
    }
    void dialogPicks()
    {
        QFETCH(int, code);
        m_Profile.ButtonInfo[4].Fun = FunctionCode::Mute;
        m_pWindow->setProfile(&m_Profile);
        const ButtonAssignment before = m_Profile.ButtonInfo[4];
        bool bRunningInDialog = false;
        onNextDialog([&](QDialog* dialog) {
            bRunningInDialog = m_pHook->bRunning || code == FunctionCode::FireKey;
            if (code != FunctionCode::FireKey)
                m_pLastHook->type(0x1E); // A
            dialog->reject();
        });
        pickOn(0, 4, code);
        QVERIFY(bRunningInDialog);
        QVERIFY(!m_pHook->bRunning);
        QVERIFY(m_Profile.ButtonInfo[4] == before);
        QCOMPARE(m_pWindow->label(4), QString("Mute"));
    }

    // The tool tip names the assignment: function, then the key, keys or fired target.
    void assignmentInToolTip_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("res1");
        QTest::addColumn<QString>("tip");
        QTest::newRow("single") << 6 << 0x1C << QString("SINGLE KEY · Enter");
        QTest::newRow("combo") << 7 << 0 << QString("COMBO KEY · LCtr+A");
        QTest::newRow("fire right") << 12 << 0x82 << QString("FIRE KEY · Right ×5");
        QTest::newRow("fire space") << 12 << 0x2C << QString("FIRE KEY · Space ×5");
        QTest::newRow("mute") << int(FunctionCode::Mute) << 0 << QString("Mute");
    }
    void assignmentInToolTip()
    {
        QFETCH(int, code);
        QFETCH(int, res1);
        ButtonAssignment& b = m_Profile.ButtonInfo[4];
        if (code == FunctionCode::ComboKey)
            ButtonWrites::writeCombo(b, {0x1D, 0x1E});
        b.Fun = code;
        b.Res1 = quint8(res1);
        b.LoopNumber = 5;
        m_pWindow->setProfile(&m_Profile);
        QTEST(m_pWindow->button(0, 4)->toolTip(), "tip");
    }

    // Presses in slot order, releases reversed, zeros behind; the earlier list is cleared.
    void comboEntries()
    {
        ButtonAssignment b;
        std::memset(b.KeyInfo, 0x33, sizeof b.KeyInfo);
        b.KeyNumber = 9;
        ButtonWrites::writeCombo(b, {0x1D, 0x2E}); // Ctrl, C
        const quint8 expected[4][3] = {
            {0xE0, 5, 0x80}, {0x06, 5, 0x80}, {0x06, 5, 0x00}, {0xE0, 5, 0x00}};
        QCOMPARE(std::memcmp(b.KeyInfo, expected, sizeof expected), 0);
        for (int i = 4; i < ButtonAssignment::kKeyInfoCount; ++i)
            QVERIFY(!b.KeyInfo[i][0] && !b.KeyInfo[i][1] && !b.KeyInfo[i][2]);
        QCOMPARE(b.KeyNumber, 9);

        ButtonWrites::writeCombo(b, {0x2A, 0x1D, 0x38, 0x1E}); // Shift, Ctrl, Alt, A
        QCOMPARE(ButtonWrites::comboKeys(b), (QVector<quint8>{0x2A, 0x1D, 0x38, 0x1E}));
        const quint8 releases[] = {0x04, 0xE2, 0xE0, 0xE1};
        for (int i = 0; i < 4; ++i)
            QVERIFY(b.KeyInfo[4 + i][0] == releases[i] && b.KeyInfo[4 + i][2] == 0);
    }
};

QTEST_MAIN(TestKivoBtnWindow)
#include "tst_kivobtnwindow.moc"
