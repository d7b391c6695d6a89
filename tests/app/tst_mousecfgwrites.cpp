#include "WindowRig.h"

#include "app/commands/CommandLine.h"
#include "app/commands/ScriptCommands.h"
#include "app/window/FirmwareUpdater.h"
#include "device/KivoProcessThread.h"
#include "model/AppPaths.h"
#include "model/GlobalRecords.h"
#include "widgets/KivoPushButton.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

// What the window sends to the mouse and starts: Apply, OK, Cancel, the firmware updater.
class TestMousecfgWrites : public QObject
{
    Q_OBJECT
private slots:
    // A script's change waits while a dialog of the window is open: the dialog may be in the
    // middle of its own change of the same settings.
    void scriptWaitsForAnOpenDialog()
    {
        WindowRig rig;
        QVERIFY(rig.open());
        ScriptCommands commands(&rig.window());
        const CommandLine line = CommandLine::parse({"--rate", "500"});
        QString output;
        {
            QDialog dialog(&rig.window());
            dialog.setModal(true);
            dialog.show();
            QCOMPARE(commands.run(line, &output), int(CommandLine::WriteFailed));
            QCOMPARE(rig.mouse().heldConfiguration().appliedSessions, 0);
        }
        QCOMPARE(commands.run(line, &output), int(CommandLine::Done));
        QCOMPARE(rig.mouse().heldConfiguration().rate, quint8(2));
    }

    void failedWriteIsReportedAndNextWriteIsFull()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        QVERIFY(rig.open());
        rig.mouse().unplug(VirtualMouse::Link::Receiver);

        rig.button("applyButton")->click();
        QVERIFY(w.lastWrite().iResult != 0);
        QCOMPARE(rig.m_Prompts.shown()[0].kind, ScriptedUserPrompts::Notice);
        QCOMPARE(rig.m_Prompts.texts(), QStringList("Send data failed, please try again."));
        QCOMPARE(rig.configValue("Config/Diff").toInt(), 1);
        // Polling goes on after a failed write, so the window keeps following the mouse.
        QVERIFY(w.batteryPoller()->isPolling());

        // Nothing changed since, but the mouse's state is unknown: everything goes out.
        rig.mouse().plug(VirtualMouse::Link::Receiver);
        QVERIFY(rig.open());
        rig.button("applyButton")->click();
        QCOMPARE(w.lastWrite().iResult, quint8(0));
        QVERIFY(w.lastWrite().bAccepted);
        QCOMPARE(w.lastWrite().iMask, 15);
        QCOMPARE(rig.mouse().heldConfiguration().appliedSessions, 1);
        QCOMPARE(rig.configValue("Config/Diff").toInt(), 0);
        // And once it succeeded, only what changed counts again.
        rig.button("applyButton")->click();
        QCOMPARE(w.lastWrite().iMask, 0);

        // A profile reset that cannot reach the mouse is told the same way.
        rig.mouse().unplug(VirtualMouse::Link::Receiver);
        rig.m_Prompts.answerQuestion(true);
        rig.button("resetButton")->click();
        QVERIFY(w.lastWrite().iResult != 0);
        QCOMPARE(rig.m_Prompts.texts().last(), rig.m_Prompts.texts().first());
    }

    // A profile that would leave the mouse without a click or a usable DPI never goes out, from
    // Apply or from OK, and the window stays up to mend it.
    void unusableProfileIsRefused_data()
    {
        QTest::addColumn<int>("iLevel"); // -1: every left click taken away instead
        QTest::addColumn<quint32>("step");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no left click, Apply") << -1 << 0u << "applyButton"
                                              << "left click";
        QTest::newRow("no left click, OK") << -1 << 0u << "okButton"
                                           << "left click";
        QTest::newRow("DPI 0") << 0 << 0u << "applyButton"
                               << "DPI level 1";
        QTest::newRow("DPI beyond the sensor") << 2 << 100000u << "okButton"
                                               << "DPI level 3";
    }
    void unusableProfileIsRefused()
    {
        QFETCH(int, iLevel);
        QFETCH(quint32, step);
        QFETCH(QString, button);
        QFETCH(QString, reason);
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        QVERIFY(rig.open());
        w.show();
        const QVariant before = rig.configValue("PROFILE/BUTTON_INFO_0_Fun", "Profile 1");
        ProfileData& p = GlobalRecords::live().activeProfile();
        if (iLevel < 0) {
            for (ButtonAssignment& b : p.ButtonInfo)
                b.Fun = b.Fun == FunctionCode::LeftClick ? FunctionCode::RightClick : b.Fun;
        } else {
            p.DpiInfo[iLevel].used = 1;
            p.DpiInfo[iLevel].x = p.DpiInfo[iLevel].y = step;
        }
        w.refreshPages();
        rig.button(qPrintable(button))->click();
        QCOMPARE(w.lastWrite().iResult, KivoProcessThread::kRefused);
        QCOMPARE(rig.mouse().heldConfiguration().appliedSessions, 0);
        QVERIFY2(rig.m_Prompts.texts().value(0).contains(reason),
                 qPrintable(rig.m_Prompts.texts().join('|')));
        QCOMPARE(rig.configValue("PROFILE/BUTTON_INFO_0_Fun", "Profile 1"), before);
        QVERIFY(w.isVisible() && !w.isMinimized());
        QVERIFY(w.batteryPoller()->isPolling());
    }

    void failedSaveIsTold()
    {
        WindowRig rig;
        QVERIFY(rig.open());
        // Slot 0's profile file cannot be replaced: a folder stands in its place.
        const QString profile = AppPaths::profileDir() + "/Profile 1.prof";
        QVERIFY(QFile::remove(profile) && QDir().mkpath(profile));
        rig.button("applyButton")->click();
        QCOMPARE(rig.window().lastWrite().iResult, quint8(0)); // the mouse still gets the edits
        QCOMPARE(rig.m_Prompts.titles(), QStringList("Warning"));
        QCOMPARE(rig.m_Prompts.texts(),
                 QStringList("Could not save Profile 1.prof: Is a directory"));
    }

    void okWritesAndCancelDiscards()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        QVERIFY(rig.open());
        w.show();
        GlobalRecords::live().activeProfile().pollrate = 4;
        w.refreshPages();
        rig.button("okButton")->click();
        QCOMPARE(rig.mouse().heldConfiguration().rate, quint8(4));
        QVERIFY(!w.isVisible() || w.isMinimized());

        // Cancel goes back to what the profile file holds (the write above saved it).
        w.showNormal();
        GlobalRecords::live().activeProfile().pollrate = 2;
        GlobalRecords::live().activeProfile().dpi = 5;
        rig.button("cancelButton")->click();
        QCOMPARE(GlobalRecords::live().activeProfile().pollrate, quint8(4));
        QCOMPARE(GlobalRecords::live().activeProfile().dpi, quint8(1));
        QCOMPARE(rig.mouse().heldConfiguration().appliedSessions, 1);
    }

    // After its question (asked and answered in tst_profileactions) every group goes out.
    void resetAllWritesEverything()
    {
        WindowRig rig;
        QVERIFY(rig.open());
        rig.m_Prompts.answerQuestion(true);
        rig.button("resetAllButton")->click();
        QCOMPARE(rig.window().lastWrite().iResult, quint8(0));
        QCOMPARE(rig.window().lastWrite().iMask, 15);
        QCOMPARE(rig.mouse().heldConfiguration().appliedSessions, 1);
    }

    void slotMenuSwitchesProfile()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        QVERIFY(rig.open());
        // The window reads the other slots' files once it is up, before anything the user does.
        QCoreApplication::processEvents();
        GlobalRecords::live().Profile[2].mousespeed = 12;
        w.findChild<QMenu*>("slotMenu")->actions()[2]->trigger();
        QCOMPARE(w.currentProfile(), quint8(2));
        QCOMPARE(w.findChild<QLineEdit*>("profileName")->text(), QStringLiteral("Profile 3"));
        QCOMPARE(rig.m_Speed.m_Applied, QList<int>({12}));
        QTRY_COMPARE(rig.mouse().heldConfiguration().selectedProfile, 2);
        // The mouse's own status now names slot 3: nothing to switch or announce. (What the poller
        // heard meanwhile is the mouse's own level for that slot, and may have been announced.)
        rig.m_Announcer.m_Texts.clear();
        w.statusFollower()->slotRefreshStatus(2, GlobalRecords::live().Profile[2].dpi,
                                              GlobalRecords::live().Profile[2].pollrate, 0);
        QVERIFY(rig.m_Announcer.m_Texts.isEmpty());
    }

    // The window works on the slot chosen in it: the mouse's status names no slot and leaves it,
    // and Apply sends and keeps that slot's values; slot 1's write is what it always was.
    void applyWritesTheCurrentSlot_data()
    {
        QTest::addColumn<int>("iSlot");
        QTest::newRow("slot 1") << 0;
        QTest::newRow("slot 3") << 2;
    }
    void applyWritesTheCurrentSlot()
    {
        QFETCH(int, iSlot);
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        QVERIFY(rig.open());
        QCoreApplication::processEvents();
        QFile first(AppPaths::profileDir() + "/Profile 1.prof");
        QVERIFY(first.open(QIODevice::ReadOnly));
        const QByteArray firstBytes = first.readAll();
        w.findChild<QMenu*>("slotMenu")->actions()[iSlot]->trigger();
        // A thread started afresh reports the status at once (later only what changes).
        w.stopBatteryPolling();
        BatteryPoller::waitForThreads();
        QSignalSpy status(w.batteryPoller(), &BatteryPoller::RefreshStatus);
        w.startBatteryPolling();
        QVERIFY(status.wait(5000));
        w.stopBatteryPolling();
        BatteryPoller::waitForThreads();
        QCoreApplication::processEvents();
        QCOMPARE(w.currentProfile(), quint8(iSlot));

        ProfileData& shown = GlobalRecords::live().activeProfile();
        shown.pollrate = 8;
        shown.LedMode = quint8((shown.LedMode + 1) % 8);
        rig.button("applyButton")->click();
        const VirtualMouseConfig held = rig.mouse().heldConfiguration();
        QCOMPARE(held.appliedSessions, 1);
        QCOMPARE(held.selectedProfile, iSlot);
        QCOMPARE(held.rate, quint8(8));
        QCOMPARE(held.ledMode, shown.LedMode);
        const QString file = QString("Profile %1").arg(iSlot + 1);
        QCOMPARE(rig.configValue("PROFILE/pollrate", file).toInt(), 8);
        QCOMPARE(rig.configValue("Config/ProfileID").toInt(), iSlot);
        if (iSlot != 0) {
            first.seek(0);
            QCOMPARE(first.readAll(), firstBytes);
        }
    }

    // Leaving a slot with edits not applied asks first: Apply sends them, Discard drops them,
    // Cancel stays with them.
    void slotSwitchAsksAboutUnappliedEdits_data()
    {
        QTest::addColumn<int>("iAnswer");
        QTest::addColumn<int>("iSlot"); // current afterwards
        QTest::addColumn<bool>("bKept");
        QTest::newRow("apply") << 0 << 2 << true;
        QTest::newRow("discard") << 1 << 2 << false;
        QTest::newRow("cancel") << 2 << 0 << true;
    }
    void slotSwitchAsksAboutUnappliedEdits()
    {
        QFETCH(int, iAnswer);
        QFETCH(int, iSlot);
        QFETCH(bool, bKept);
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        QVERIFY(rig.open());
        QCoreApplication::processEvents();
        quint8& rate = GlobalRecords::live().Profile[0].pollrate;
        const quint8 before = rate;
        rate = before == 8 ? 4 : 8;
        const quint8 edited = rate;
        rig.m_Prompts.answerChoice(iAnswer);
        rig.button("slotButton3")->click();
        QCOMPARE(rig.m_Prompts.shown().size(), 1);
        QCOMPARE(rig.m_Prompts.shown()[0].kind, ScriptedUserPrompts::Choice);
        QCOMPARE(int(w.currentProfile()), iSlot);
        QCOMPARE(GlobalRecords::live().Profile[0].pollrate, bKept ? edited : before);
        QCOMPARE(rig.mouse().heldConfiguration().appliedSessions, iAnswer == 0 ? 1 : 0);
        QCOMPARE(w.windowTitle() != "HORNBEAM", iAnswer == 2);
        QCOMPARE(rig.button("revertButton")->isVisibleTo(&w), iAnswer == 2);
    }

    void firmwareUpdateWithReceiverOnlyNeverAsks()
    {
        WindowRig receiverOnly;
        QVERIFY(receiverOnly.open());
        receiverOnly.button("firmwareButton")->click();
        QCOMPARE(
            receiverOnly.m_Prompts.texts(),
            QStringList("To update the firmware, please connect to the computer with a cable."));
        QVERIFY(receiverOnly.m_Launcher.m_Started.isEmpty());
    }

    void firmwareUpdateWithCableAsksAndReportsAFailedStart()
    {
        WindowRig rig(QStringLiteral("hornbeam"), true, true);
        MousecfgWidget& w = rig.window();
        QVERIFY(rig.open());
        rig.m_Prompts.answerQuestion(false);
        rig.button("firmwareButton")->click();
        QCOMPARE(rig.m_Prompts.texts(), QStringList("Do you want to upgrade the firmware?"));
        QVERIFY(rig.m_Launcher.m_Started.isEmpty());

        w.startBatteryPolling();
        rig.m_Prompts.answerQuestion(true);
        rig.button("firmwareButton")->click();
        QCOMPARE(rig.m_Launcher.m_Started,
                 QStringList(rig.folder() + "/skin/mouse/bin/fwupdate-en.exe"));
        QCOMPARE(rig.m_Prompts.shown().size(), 3);
        QCOMPARE(rig.m_Prompts.texts()[2],
                 QStringLiteral("The firmware updater could not be started."));
        // The program goes on with the mouse as before.
        QVERIFY(w.batteryPoller()->isPolling());
    }

    void firmwareUpdaterPerLanguage()
    {
        TestAppFolder folder;
        ScriptedUserPrompts prompts;
        RecordingLauncher launcher;
        launcher.m_bResult = true;
        prompts.answerQuestion(true);
        QCOMPARE(FirmwareUpdater::run(nullptr, 0x0102, 2, nullptr, launcher),
                 FirmwareUpdater::Started);
        QCOMPARE(launcher.m_Started, QStringList(folder.path() + "/skin/mouse/bin/fwupdate.exe"));
        QCOMPARE(prompts.shown().size(), 1);
    }
};

QTEST_MAIN(TestMousecfgWrites)
#include "tst_mousecfgwrites.moc"
