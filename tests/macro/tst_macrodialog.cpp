#include "FakeKeyboardHook.h"
#include "ScriptedUserPrompts.h"
#include "TestAppFolder.h"
#include "macro/KivoGunsetDialog.h"
#include "macro/MacroDialog.h"
#include "macro/MacroEditPanel.h"
#include "macro/MacroFileActions.h"
#include "macro/MacroOptions.h"
#include "macro/MouseCommandTree.h"
#include "model/AppPaths.h"
#include "model/MacroFile.h"
#include "model/MacroList.h"
#include "widgets/KivoPushButton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using Rows = QVector<MacroEvent>;

namespace {
void listMacros(const QStringList& names)
{
    for (const QString& name : names) {
        QVERIFY(MacroFile::save(name, MacroFileData::newMacro()));
        QVERIFY(MacroList::add(name));
    }
}
} // namespace

class tst_MacroDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestAppFolder> m_folder;
    std::unique_ptr<ScriptedUserPrompts> m_prompts;
    FakeKeyboardHook* m_pHook = nullptr;

    std::unique_ptr<MacroDialog> makeDialog(bool bGlobal = true)
    {
        auto hook = std::make_unique<FakeKeyboardHook>(std::make_shared<FakeHookState>(), bGlobal);
        m_pHook = hook.get();
        return std::make_unique<MacroDialog>(nullptr, 1.0, std::move(hook));
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TestAppFolder>();
        QVERIFY(m_folder->isValid());
        QSettings(AppPaths::appDir() + "/DefaultProfile.bin", QSettings::IniFormat)
            .setValue("PROFILE/MinDelay", 10);
        m_prompts = std::make_unique<ScriptedUserPrompts>();
    }
    void cleanup()
    {
        m_prompts.reset();
        m_folder.reset();
    }

    // Record, stop with a key still down, then the warning and the saved rows; the main window
    // is locked meanwhile and keys still reach other applications.
    void recordingSavesAtStop()
    {
        listMacros({"m1"});
        auto dialog = makeDialog();
        QCOMPARE(dialog->delayUnit(), 10);
        dialog->options()->delayBox(1)->click();
        QSignalSpy lock(dialog.get(), &MacroDialog::EnableButtonsSignal);
        dialog->runCommand(MacroDialog::StartStop);
        QVERIFY(dialog->isRecording());
        QCOMPARE(m_pHook->state().mode, KeyboardHook::Observe);
        QVERIFY(!dialog->commandButton(MacroDialog::Save)->isEnabled());
        m_pHook->stroke(30, false, 1000);
        m_pHook->stroke(30, false, 1020); // repeat
        m_pHook->stroke(30, true, 1037);
        m_pHook->stroke(48, false, 1041);
        dialog->runCommand(MacroDialog::StartStop);
        QVERIFY(!m_pHook->isRunning());
        QCOMPARE(QList<QVariantList>(lock), (QList<QVariantList>{{false}, {true}}));
        QCOMPARE(m_prompts->texts(), QStringList{"ONE OR MORE KEYS HAS NOT BEEN RELEASED."});
        const Rows expected{{0x84, 0, 4}, {6, 0, 3}, {0x04, 0, 4}, {6, 0, 1}, {0x84, 0, 5}};
        QCOMPARE(dialog->rowEditor().rows(), expected);
        const MacroFileData saved = MacroFile::load("m1");
        QCOMPARE(saved.events, expected);
        QCOMPARE(saved.delayType, 1);
    }

    void keyEditReplacesTheCurrentKey()
    {
        listMacros({"m1"});
        auto dialog = makeDialog(false);
        dialog->runCommand(MacroDialog::StartStop);
        m_pHook->stroke(30, false, 0);
        dialog->runCommand(MacroDialog::StartStop);
        dialog->SelectRow(0);
        QVERIFY(!m_pHook->isRunning());
        dialog->runCommand(MacroDialog::EditKey);
        QVERIFY(dialog->isKeyEditMode());
        m_pHook->stroke(48, false, 10);
        QCOMPARE(dialog->rowEditor().rows(), (Rows{{0x84, 0, 5}}));
        dialog->runCommand(MacroDialog::Cancel);
        QCOMPARE(dialog->rowEditor().rows(), (Rows{{0x84, 0, 4}}));
        QVERIFY(!m_pHook->isRunning());
    }

    // The tree's expand-then-insert rule and the panel rewriting the current row.
    void mouseTreeAndPanel()
    {
        listMacros({"m1"});
        auto dialog = makeDialog();
        MouseCommandTree* tree = dialog->commandTree();
        QTreeWidgetItem* left = tree->clickItem(MacroRows::kLeft);
        dialog->TreeitemClick(left, 0);
        QVERIFY(left->isExpanded());
        QCOMPARE(dialog->rowEditor().count(), 0);
        dialog->TreeitemClick(tree->clickItem(MacroRows::kRight), 0);
        QVERIFY(!left->isExpanded());
        dialog->TreeitemClick(tree->clickItem(MacroRows::kRight), 0);
        tree->distanceField(MacroRows::MoveUp)->setText("5");
        dialog->TreeitemClick(tree->moveItem(MacroRows::MoveUp), 0);
        dialog->runCommand(MacroDialog::InsertDelay);
        QCOMPARE(dialog->rowEditor().rows(),
                 (Rows{{0x81, 0, 2}, {0x01, 0, 2}, {2, 251, 0}, {6, 0, 1}}));
        dialog->EditDelayChanged("250");
        dialog->SelectRow(2);
        dialog->EditMoveChanged("7");
        dialog->SelectRow(0);
        QCOMPARE(dialog->editPanel()->currentIndex(), int(MacroEditPanel::ButtonPage));
        dialog->editPanel()->buttonChoice()->button(MacroRows::kForward)->click();
        QCOMPARE(dialog->rowEditor().rows(),
                 (Rows{{0x81, 0, 8}, {0x01, 0, 2}, {2, 249, 0}, {6, 0, 25}}));
    }

    // Each number field takes what the mouse's bytes hold: both ends as typed, a number beyond
    // the top as the top, one below the bottom not at all (-1).
    void fieldRanges_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("taken");
        const auto row = [](const char* field, const char* text, int taken) {
            QTest::addRow("%s %s", field, text) << field << text << taken;
        };
        for (const char* field : {"rowMove", "moveUp"}) {
            row(field, "0", -1);
            row(field, "1", 1);
            row(field, "120", 120);
            row(field, "121", 120);
        }
        row("rowDelay", "9", -1);
        row("rowDelay", "10", 10);
        row("defaultDelay", "0", 0);
        row("defaultDelay", "65536", 65535);
        row("loopTime", "0", -1);
        row("loopTime", "1", 1);
        row("loopTime", "256", 255);
    }
    void fieldRanges()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, taken);
        auto dialog = makeDialog();
        QLineEdit* edit = field == "moveUp"
                              ? dialog->commandTree()->distanceField(MacroRows::MoveUp)
                              : dialog->findChild<QLineEdit*>(field);
        QVERIFY(edit && edit->validator());
        QString value = text;
        int pos = 0;
        const bool bTaken = edit->validator()->validate(value, pos) == QValidator::Acceptable;
        QCOMPARE(bTaken ? value.toInt() : -1, taken);
        // A move the field refuses is not inserted as a row either.
        if (field == "moveUp") {
            edit->setText(text);
            QCOMPARE(dialog->commandTree()->distance(MacroRows::MoveUp), qMax(taken, 0));
        }
    }

    // Rows not saved are asked about before another macro is shown.
    void leavingUnsavedRowsAsks_data()
    {
        QTest::addColumn<int>("iAnswer"); // SAVE, Discard, Cancel
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("iSavedRows");
        QTest::newRow("save") << 0 << "m2" << 1;
        QTest::newRow("discard") << 1 << "m2" << 0;
        QTest::newRow("cancel") << 2 << "m1" << 0;
    }
    void leavingUnsavedRowsAsks()
    {
        QFETCH(int, iAnswer);
        QFETCH(QString, shown);
        QFETCH(int, iSavedRows);
        listMacros({"m1", "m2"});
        auto dialog = makeDialog();
        dialog->runCommand(MacroDialog::InsertDelay);
        m_prompts->answerChoice(iAnswer);
        dialog->itemClicked(dialog->macroList()->model()->index(1, 0));
        QCOMPARE(m_prompts->shown().size(), 1);
        QCOMPARE(dialog->currentMacro(), shown);
        QCOMPARE(dialog->rowEditor().count(), iAnswer == 2 ? 1 : 0);
        QCOMPARE(MacroFile::load("m1").events.size(), iSavedRows);
    }

    void newNamingAndTheLimit()
    {
        QVERIFY(MacroFile::save("name_1", MacroFileData::newMacro()));
        QVERIFY(MacroFile::save("name_3", MacroFileData::newMacro()));
        auto dialog = makeDialog();
        // No macro to record into: START stays START and the page says to press NEW.
        dialog->runCommand(MacroDialog::StartStop);
        QVERIFY(!dialog->isRecording());
        const auto* hint = dialog->findChild<QLabel*>("hint");
        QVERIFY(hint->text().contains("NEW"));
        dialog->runCommand(MacroDialog::NewMacro);
        QVERIFY(!hint->text().contains("NEW"));
        QCOMPARE(dialog->currentMacro(), QStringLiteral("name_2"));
        QCOMPARE(dialog->macroList()->count(), 1);
        for (int i = 1; i < MacroList::kSlotCount; ++i)
            QVERIFY(MacroList::add(QStringLiteral("x%1").arg(i)));
        dialog->reloadMacroList();
        dialog->runCommand(MacroDialog::NewMacro);
        dialog->runCommand(MacroDialog::GunSet);
        QCOMPARE(m_prompts->texts(),
                 (QStringList{"TOO MANY MACROS TO BE CREATE!", "TOO MANY MACROS TO BE CREATE!"}));
        QVERIFY(!MacroFile::exists("name_4"));
        dialog->runCommand(MacroDialog::DeleteMacro);
        QVERIFY(!MacroFile::exists("name_2"));
        dialog->runCommand(MacroDialog::NewMacro);
        QCOMPARE(dialog->currentMacro(), QStringLiteral("name_2"));
    }

    // Names that could leave the macro folder are refused, and files that cannot be written
    // are reported, never taken as saved.
    void refusedNamesAndFailedWrites()
    {
        listMacros({"m1"});
        auto dialog = makeDialog();
        const MacroFileActions files(dialog.get());
        dialog->nameField()->setText("../m2");
        dialog->runCommand(MacroDialog::ChangeName);
        QCOMPARE(dialog->currentMacro(), QStringLiteral("m1"));
        QVERIFY(files.saveGunFile("a/b", {{6, 0, 1}}).isEmpty());
        QCOMPARE(m_prompts->texts(), (QStringList{"Invalid Macro Name!", "Invalid Macro Name!"}));
        QCOMPARE(MacroList::names(), QStringList{"m1"});

        // A folder where the file should be: the save fails.
        QVERIFY(QFile::remove(MacroFile::filePath("m1")));
        QVERIFY(QDir().mkpath(MacroFile::filePath("m1")));
        dialog->runCommand(MacroDialog::InsertDelay);
        dialog->runCommand(MacroDialog::Save);
        QCOMPARE(m_prompts->texts().last(), QStringLiteral("Save Macro File Failed!"));
    }

    void importAndExport()
    {
        listMacros({"m1"});
        QTemporaryDir outside;
        MacroFileData data = MacroFileData::newMacro();
        data.events = {{6, 0, 7}};
        QVERIFY(MacroFile::save("m1", data));
        QVERIFY(QFile::copy(MacroFile::filePath("m1"), outside.path() + "/x.MSMACRO"));
        QVERIFY(QFile::copy(MacroFile::filePath("m1"), outside.path() + "/y.MSMACRO"));
        QVERIFY(MacroFile::save("m1", MacroFileData::newMacro()));
        QVERIFY(QFile::copy(MacroFile::filePath("m1"), outside.path() + "/m1.MSMACRO"));
        auto dialog = makeDialog();

        m_prompts->answerOpenFile(outside.path() + "/m1.MSMACRO");
        dialog->runCommand(MacroDialog::Import);
        QCOMPARE(m_prompts->texts().last(), QStringLiteral("Macro Exist!"));
        QCOMPARE(MacroFile::load("m1").events, Rows{});
        m_prompts->answerOpenFile(outside.path() + "/x.MSMACRO");
        dialog->runCommand(MacroDialog::Import);
        QCOMPARE(dialog->currentMacro(), QStringLiteral("x"));
        QCOMPARE(dialog->rowEditor().rows(), (Rows{{6, 0, 7}}));

        dialog->runCommand(MacroDialog::Batch);
        m_prompts->answerOpenFiles({outside.path() + "/y.MSMACRO", outside.path() + "/x.MSMACRO"});
        dialog->runCommand(MacroDialog::Import);
        QCOMPARE(MacroList::names(), (QStringList{"m1", "x", "y"}));
        QCOMPARE(m_prompts->texts().last(), QStringLiteral("Macro Exist!"));
        dialog->macroList()->item(0)->setCheckState(Qt::Checked);
        dialog->macroList()->item(2)->setCheckState(Qt::Checked);
        QTemporaryDir target;
        m_prompts->answerDirectory(target.path());
        dialog->runCommand(MacroDialog::Export);
        QCOMPARE(QDir(target.path()).entryList(QDir::Files),
                 (QStringList{"m1.MSMACRO", "y.MSMACRO"}));
        QCOMPARE(m_prompts->unansweredCount(), 0);
    }

    void gunSetDialogAndFile()
    {
        KivoGunsetDialog dialog(nullptr, 1.0, 1);
        dialog.bulletChoice()->setCurrentIndex(0);
        dialog.verticalBox(0)->setValue(-5);
        dialog.OnYesClick();
        QCOMPARE(m_prompts->texts(), QStringList{"Please input file name."});
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        dialog.nameField()->setText("ak");
        dialog.OnYesClick();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const Rows rows{{0x81, 0, 1}, {0x01, 0, 1}, {2, 251, 0}, {6, 0, 100}};
        QCOMPARE(dialog.rows(), rows);

        const MacroFileActions files(nullptr);
        QCOMPARE(files.saveGunFile("ak", rows), QStringLiteral("ak"));
        QCOMPARE(files.saveGunFile("ak", rows), QStringLiteral("ak_2"));
        QCOMPARE(MacroList::names(), (QStringList{"ak", "ak_2"}));
        const MacroFileData saved = MacroFile::load("ak_2");
        QCOMPARE(saved.events, rows);
        QCOMPARE(saved.delayType, 1);
    }
};

QTEST_MAIN(tst_MacroDialog)
#include "tst_macrodialog.moc"
