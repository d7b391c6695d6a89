#include "FakeKeyboardHook.h"
#include "TestAppFolder.h"
#include "buttons/KivoBtnWindow.h"
#include "macro/KivoMacroSelect.h"
#include "model/ButtonAssignment.h"
#include "model/MacroFile.h"
#include "model/MacroList.h"
#include "model/ProfileData.h"
#include "widgets/KivoPushButton.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

namespace {
// A macro of n key events whose bytes tell the macro (tag) and the event apart.
void saveMacro(const QString& name, int n, quint8 tag)
{
    QVector<MacroEvent> events;
    for (int i = 0; i < n; ++i) {
        MacroEvent e;
        e.Map = quint8(0x80 | tag);
        e.DataL = quint8(i);
        e.DataH = tag;
        events.append(e);
    }
    QVERIFY(MacroFile::saveEventList(name, events));
    QVERIFY(MacroList::add(name));
}
} // namespace

class TestKivoMacroSelect : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestAppFolder> m_pFolder;

private slots:
    void init()
    {
        m_pFolder = std::make_unique<TestAppFolder>();
        saveMacro("thirty", 30, 1);
        saveMacro("ten", 10, 2);
    }
    void cleanup() { m_pFolder.reset(); }

    // What "Yes" writes: the flag forces mode 0 and one loop; the events of the new macro
    // replace the old ones only up to its count.
    void write_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("leftButton");
        QTest::addColumn<QString>("loop");
        QTest::addColumn<int>("wantLoop");
        QTest::addColumn<int>("wantMode");
        QTest::newRow("loops") << 0 << false << "20" << 20 << 0;
        QTest::newRow("while held") << 1 << false << "7" << 7 << 1;
        QTest::newRow("until pressed") << 2 << false << "255" << 255 << 2;
        QTest::newRow("left button macro") << 2 << true << "20" << 1 << 0;
    }
    void write()
    {
        QFETCH(int, mode);
        QFETCH(bool, leftButton);
        QFETCH(QString, loop);
        QFETCH(int, wantLoop);
        QFETCH(int, wantMode);
        ButtonAssignment b;
        KivoMacroSelect first(KivoMacroSelect::kMacroTitle, QString(), 1, 0, 0, nullptr);
        first.chooseName("thirty");
        QCOMPARE(first.writeInto(b, FunctionCode::Macro), 30);

        KivoMacroSelect dialog(KivoMacroSelect::kGunFileTitle, "thirty", 3, 0, 0, nullptr);
        QCOMPARE(dialog.nameMenu()->actions().size(), 2);
        dialog.nameMenu()->actions().at(1)->trigger(); // "ten"
        dialog.loopEdit()->setText(loop);
        dialog.modeButton(mode)->click();
        if (leftButton)
            dialog.leftButtonMacro()->click();
        QCOMPARE(dialog.modeButton(mode)->isChecked(), !leftButton);
        QVERIFY(dialog.yesButton()->isEnabled());
        QCOMPARE(dialog.writeInto(b, FunctionCode::GunFile), 10);
        QCOMPARE(QVariantList({b.Fun, b.macroname, b.LoopNumber, b.Res1, b.Res2, b.KeyNumber}),
                 QVariantList({510, "ten", wantLoop, wantMode, int(leftButton), 10}));
        for (int i = 0; i < 30; ++i) {
            const quint8 tag = i < 10 ? 2 : 1;
            QVERIFY(b.KeyInfo[i][0] == (0x80 | tag) && b.KeyInfo[i][1] == i &&
                    b.KeyInfo[i][2] == tag);
        }
    }

    void loopField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("yes");
        QTest::newRow("0") << "0" << QString("0") << false;
        QTest::newRow("256") << "256" << QString("255") << true;
        QTest::newRow("empty") << QString() << QString() << false;
        QTest::newRow("12") << "12" << QString("12") << true;
    }
    void loopField()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, yes);
        KivoMacroSelect dialog(KivoMacroSelect::kMacroTitle, "ten", 5, 0, 0, nullptr);
        dialog.loopEdit()->selectAll();
        dialog.loopEdit()->del();
        QTest::keyClicks(dialog.loopEdit(), typed);
        QCOMPARE(dialog.loopEdit()->text(), shown);
        QCOMPARE(dialog.yesButton()->isEnabled(), yes);
    }

    // Through the button window the dialog opens on what the button holds, and "No" keeps it
    // ("Yes" from the button menu is driven end to end in e2e-buttons.sh).
    void fromButtonWindowNoKeepsTheMacro()
    {
        ProfileData profile;
        profile.ButtonInfo[0].Fun = FunctionCode::LeftClick;
        KivoMacroSelect held(KivoMacroSelect::kMacroTitle, "thirty", 4, 1, 0, nullptr);
        held.writeInto(profile.ButtonInfo[2], FunctionCode::Macro);
        const ButtonAssignment before = profile.ButtonInfo[2];
        KivoBtnWindow window(&profile, nullptr, 1.0);
        bool bPrefilled = false;
        onNextDialog([&](QDialog* d) {
            auto* dialog = static_cast<KivoMacroSelect*>(d);
            bPrefilled = dialog->name() == "thirty" && dialog->loopCount() == 4 &&
                         dialog->mode() == 1 && dialog->flag() == 0;
            dialog->chooseName("ten");
            dialog->reject();
        });
        window.slotMouseEnter(window.button(0, 2));
        window.pick(FunctionCode::Macro);
        QVERIFY(bPrefilled);
        QVERIFY(profile.ButtonInfo[2] == before);
        QCOMPARE(window.label(2), QString("thirty"));
    }
};

QTEST_MAIN(TestKivoMacroSelect)
#include "tst_kivomacroselect.moc"
