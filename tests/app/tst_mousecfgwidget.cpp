#include "WindowRig.h"

#include "app/status/BatteryBar.h"
#include "app/status/BatteryDisplay.h"
#include "app/window/HotspotButton.h"
#include "app/window/MainLayout.h"
#include "app/window/MousePicture.h"
#include "macro/MacroDialog.h"
#include "model/AppSettings.h"
#include "model/GlobalRecords.h"
#include "model/MacroFile.h"
#include "model/MacroList.h"
#include "model/ProfileFiles.h"
#include "widgets/ColourContrast.h"
#include "widgets/KivoPushButton.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QtTest>

// The main window's own behaviour: what it does with the mouse's reports, the battery and
// connection display, the pages, the tray and the drag rule.
class TestMousecfgWidget : public QObject
{
    Q_OBJECT
private slots:

    // The start reads the shown profile at once and the others once the event loop runs: all
    // five end up as their files hold them, whichever slot is active, and the active one keeps
    // the desktop's pointer speed. The factory profile file is written at every start.
    void everyProfileReadAfterStart_data()
    {
        QTest::addColumn<int>("active");
        QTest::newRow("first slot") << 0;
        QTest::newRow("fourth slot") << 3;
    }
    void everyProfileReadAfterStart()
    {
        QFETCH(int, active);
        GlobalRecords::snapshot() = MouseConfig();
        GlobalRecords::live() = MouseConfig();
        WindowRig rig(QStringLiteral("hornbeam"), true, false, 23, [active](const QString& folder) {
            QSettings(folder + "/Configs/Config.ini", QSettings::IniFormat)
                .setValue("Config/ProfileID", active);
            QFile::remove(folder + "/Configs/Profile/DefaultProfile.prof");
        });
        MouseConfig expected;
        ProfileFiles::loadConfiguration(expected);
        QTRY_VERIFY(GlobalRecords::snapshot() == expected);
        expected.Profile[active].mousespeed = 23;
        QVERIFY(GlobalRecords::live() == expected);
        QTRY_VERIFY(QFile::exists(rig.folder() + "/Configs/Profile/DefaultProfile.prof"));
    }

    // Reports that change nothing announce nothing: the current status, a slot or level outside
    // the records, a rate code outside the table (stored all the same).
    void statusReportsThatAnnounceNothing()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        const MouseConfig before = GlobalRecords::live();
        w.statusFollower()->slotRefreshStatus(0, 1, 1, 9);
        // Five slots and eight levels: a profile 5 or a level 8 names nothing.
        w.statusFollower()->slotRefreshStatus(5, 8, 1, 0);
        w.statusFollower()->slotRefreshStatus(200, 15, 1, 0);
        QVERIFY(GlobalRecords::live() == before);
        QVERIFY(rig.m_Speed.m_Applied.isEmpty());
        QCOMPARE(rig.configValue("Config/ProfileID").toInt(), 0);
        for (quint8 code : {quint8(3), quint8(255)}) {
            w.statusFollower()->slotRefreshStatus(0, 1, code, 0);
            QCOMPARE(GlobalRecords::live().activeProfile().pollrate, code);
        }
        QVERIFY(rig.m_Announcer.m_Texts.isEmpty());
    }

    void statusChangesAreAppliedAndAnnounced()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        GlobalRecords::live().Profile[1].mousespeed = 15;

        w.statusFollower()->slotRefreshStatus(1, 2, 8, 0);
        // Profile 2's level 3 is step 32: 1600 DPI on sensor 3389.
        QCOMPARE(rig.m_Announcer.m_Texts, QStringList({"Profile 2", "DPI 3:1600", "125 HZ"}));
        // The accent of Config/GColorID 2.
        QCOMPARE(rig.m_Announcer.m_Colours.toVector(), QVector<QColor>(3, QColor(0, 0, 255)));
        QCOMPARE(w.currentProfile(), quint8(1));
        QCOMPARE(GlobalRecords::live().Profile[1].pollrate, quint8(8));
        QCOMPARE(GlobalRecords::live().Profile[0].dpi, quint8(1));
        QCOMPARE(rig.configValue("Config/ProfileID").toInt(), 1);
        QCOMPARE(rig.m_Speed.m_Applied, QList<int>({15}));
        // The level goes into the file of the profile that is active now.
        QCOMPARE(rig.configValue("PROFILE/dpi", "Profile 2").toInt(), 2);
        QCOMPARE(rig.configValue("PROFILE/dpi", "Profile 1").toInt(), 1);

        rig.m_Announcer.m_Texts.clear();
        for (quint8 rate : {4, 2, 1})
            w.statusFollower()->slotRefreshStatus(1, 2, rate, 0);
        QCOMPARE(rig.m_Announcer.m_Texts, QStringList({"250 HZ", "500 HZ", "1000 HZ"}));
    }

    // One battery report after a level of 60: the gauge, the icons, the state and the level
    // stored for the next start.
    void batteryReport_data()
    {
        QTest::addColumn<bool>("receiver");
        QTest::addColumn<bool>("cable");
        QTest::addColumn<int>("charging"); // the thread's own flag
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("high");  // bit 0: charging
        QTest::addColumn<int>("shown"); // -1: mouse off
        QTest::addColumn<QColor>("chunk");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("stored");
        const QColor accent(0, 0, 255), warn = BatteryBar::warningColour(), off(100, 100, 100);
        QTest::newRow("level") << true << false << 0 << 57 << 0 << 57 << accent << 2 << 57;
        QTest::newRow("charging") << true << false << 0 << 58 << 1 << 58 << accent << 1 << 58;
        QTest::newRow("above 100") << true << false << 0 << 180 << 0 << 100 << accent << 2 << 100;
        QTest::newRow("21 not low") << true << false << 0 << 21 << 0 << 21 << accent << 2 << 21;
        QTest::newRow("20 low") << true << false << 0 << 20 << 0 << 20 << warn << 2 << 20;
        QTest::newRow("off") << true << false << 0 << 0 << 0 << -1 << off << 2 << 60;
        QTest::newRow("off, flag") << true << false << 1 << 0 << 0 << -1 << off << 2 << 60;
        QTest::newRow("off, high byte") << true << false << 0 << 0 << 1 << -1 << off << 2 << 60;
        QTest::newRow("no link") << false << false << 0 << 0 << 0 << -1 << off << 3 << 60;
        QTest::newRow("5 charging") << true << false << 0 << 5 << 1 << 5 << warn << 1 << 5;
        QTest::newRow("cable") << false << true << 0 << 10 << 1 << 100 << accent << 0 << 10;
        QTest::newRow("cable and receiver")
            << true << true << 0 << 50 << 0 << 100 << accent << 1 << 50;
    }
    void batteryReport()
    {
        QFETCH(bool, receiver);
        QFETCH(bool, cable);
        QFETCH(int, charging);
        QFETCH(int, level);
        QFETCH(int, high);
        QFETCH(int, shown);
        QFETCH(QColor, chunk);
        QFETCH(int, state);
        QFETCH(int, stored);
        WindowRig rig(QStringLiteral("hornbeam"), receiver, cable);
        MousecfgWidget& w = rig.window();
        BatteryDisplay* d = w.batteryDisplay();
        w.statusFollower()->slotRefreshBatteryStatus(0, 60, 0);
        w.statusFollower()->slotRefreshBatteryStatus(quint8(charging), quint8(level), quint8(high));
        QCOMPARE(d->isMouseOff(), shown < 0);
        QCOMPARE(d->bar()->value(), qMax(shown, 0));
        QCOMPARE(d->bar()->format(), shown < 0 ? "MOUSE OFF" : cable ? "" : "%p%");
        QCOMPARE(d->bar()->chunkColour(), chunk);
        QCOMPARE(d->state(), state);
        QCOMPARE(d->receiverIcon()->isVisibleTo(&w), receiver);
        QCOMPARE(d->bar()->isVisibleTo(&w), state >= 2);
        QCOMPARE(d->chargingIcon()->isVisibleTo(&w), shown >= 0 && high == 1);
        QCOMPARE(rig.configValue("Config/Battery").toInt(), stored);
        // The tray's tool tip ends so (+: the low icon); other rows only check the icon.
        const QMap<QString, QString> tips{{"level", "Battery 57%"},
                                          {"charging", "Battery 58%, charging"},
                                          {"off", "MOUSE OFF"},
                                          {"20 low", "Battery 20%, low+"},
                                          {"5 charging", "Battery 5%, charging+"},
                                          {"cable", "On the cable"}};
        const QString tip = tips.value(QTest::currentDataTag());
        auto* tray = w.findChild<QSystemTrayIcon*>();
        QVERIFY2(tray->toolTip().endsWith(QString(tip).remove('+')), qPrintable(tray->toolTip()));
        QTRY_VERIFY(!tray->icon().isNull());
        QCOMPARE(tray->icon().cacheKey() != w.windowIcon().cacheKey(), tip.endsWith('+'));
    }

    // Started in the tray: the mouse is opened and followed, the OSD announces, the window stays
    // hidden until the user asks for it. The tray menu writes the autostart entry and takes it away
    // again.
    void startsInTheTray()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        WindowRig rig("hornbeam", true, false, 10, {}, [](MousecfgServices& services) {
            services.bSelectAtStart = true;
            services.bStartHidden = true;
        });
        MousecfgWidget& w = rig.window();
        rig.mouse().setBattery(60, false);
        QTRY_COMPARE(w.batteryDisplay()->level(), 60);
        rig.mouse().pressDpiButton();
        QTRY_COMPARE(rig.m_Announcer.m_Texts.size(), 1);
        QVERIFY(w.isHidden());
        w.selectDevice(true); // a plug keeps it in the tray, the tray's click does not
        QTRY_VERIFY(!w.isBusy());
        QVERIFY(w.isHidden());
        w.selectDevice(false);
        QTRY_VERIFY(w.isVisible());
        QAction* autostart = w.actions().at(1); // "Start with the desktop", off
        autostart->trigger();
        QVERIFY(QFile::exists(config.path() + "/autostart/mousecfg.desktop"));
        autostart->trigger();
        QVERIFY(!QFile::exists(config.path() + "/autostart/mousecfg.desktop"));
    }

    void tabsFollowTheModel_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("lightingPage"); // what the lighting tab shows
        QTest::newRow("hornbeam") << "hornbeam" << 0;
        // The linden installation has PROFILE/ledDisable and PROFILE/DisableMacro set: the
        // customize page stands in for lighting and macros.
        QTest::newRow("linden") << "linden" << 1;
    }
    void tabsFollowTheModel()
    {
        QFETCH(QString, model);
        QFETCH(int, lightingPage);
        WindowRig rig(model);
        MousecfgWidget& w = rig.window();
        QCOMPARE(w.pages()->current(), lightingPage);
        rig.button("tabDpi")->click();
        QCOMPARE(w.pages()->current(), 2);
        rig.button("tabLighting")->click();
        QCOMPARE(w.pages()->current(), lightingPage);
        QCOMPARE(w.findChild<QWidget*>("lightingPage")->isVisibleTo(&w), lightingPage == 0);
        QCOMPARE(rig.button("tabLighting")->geometry().isEmpty(), lightingPage == 1);
        QCOMPARE(rig.button("tabMacro")->geometry().isEmpty(), lightingPage == 1);
    }

    // Recording on the macro page locks the rest of the window until it stops.
    void macroRecordingLocksTheWindow()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        QVERIFY(MacroFile::save("m1", MacroFileData::newMacro()) && MacroList::add("m1"));
        w.pages()->slotGotoMacro(3);
        QCOMPARE(w.pages()->current(), 3);
        MacroDialog* page = w.pages()->macroPage();
        page->reloadMacroList();
        page->runCommand(MacroDialog::StartStop);
        QVERIFY(!rig.button("tabDpi")->isEnabled());
        QVERIFY(!rig.button("applyButton")->isEnabled());
        page->runCommand(MacroDialog::StartStop);
        QVERIFY(rig.button("tabDpi")->isEnabled());
        QVERIFY(rig.button("applyButton")->isEnabled());
    }

    // The window closes the mouse as it goes: the HID library's exit follows, and it must not
    // find a handle still open.
    void shutdownClosesTheMouse()
    {
        WindowRig rig;
        QVERIFY(rig.open());
        rig.m_pWindow.reset();
        QVERIFY(!DeviceLink::instance().isAnyOpen());
    }
};

QTEST_MAIN(TestMousecfgWidget)
#include "tst_mousecfgwidget.moc"
