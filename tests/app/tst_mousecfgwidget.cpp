#include "WindowRig.h"

#include "app/BatteryBar.h"
#include "app/BatteryDisplay.h"
#include "app/HotspotButton.h"
#include "app/MainLayout.h"
#include "app/MousePicture.h"
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
#include <QtTest>

// The main window's own behaviour: what it does with the mouse's reports, the battery and
// connection display, the pages, the tray and the drag rule.
class TestMousecfgWidget : public QObject
{
    Q_OBJECT
private:
    static KivoPushButton* button(MousecfgWidget& w, const char* name)
    {
        return w.findChild<KivoPushButton*>(name);
    }
    static void sendMouse(QWidget& w, QEvent::Type type, Qt::MouseButton button,
                          const QPoint& screen)
    {
        const QPoint local = screen - w.geometry().topLeft();
        QMouseEvent event(type, local, local, screen, button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                          Qt::NoModifier);
        QApplication::sendEvent(&w, &event);
    }

private slots:

    void startUpReadsPointerSpeedIntoActiveProfile()
    {
        WindowRig rig(QStringLiteral("hornbeam"), true, false, 17);
        const MouseConfig& live = GlobalRecords::live();
        QCOMPARE(live.ProfileID, quint8(0));
        QCOMPARE(live.Profile[0].mousespeed, quint8(17));
        // Only the active profile takes the desktop's value; the snapshot keeps the file's.
        QCOMPARE(live.Profile[1].mousespeed, quint8(0));
        QCOMPARE(GlobalRecords::snapshot().Profile[0].mousespeed, quint8(0));
        // The factory profile file is written at every start, once the event loop runs.
        const QString factory = rig.folder() + "/Configs/Profile/DefaultProfile.prof";
        QFile::remove(factory);
        WindowRig second;
        QTRY_VERIFY(QFile::exists(second.folder() + "/Configs/Profile/DefaultProfile.prof"));
    }

    // The start reads the shown profile at once and the others once the event loop runs: all
    // five end up as their files hold them, whichever slot is active, and the active one keeps
    // the desktop's pointer speed.
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
        });
        MouseConfig files;
        ProfileFiles::loadConfiguration(files);
        QCOMPARE(GlobalRecords::live().ProfileID, quint8(active));
        QTRY_VERIFY(GlobalRecords::snapshot() == files);
        const MouseConfig& live = GlobalRecords::live();
        for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
            if (i != active)
                QVERIFY(live.Profile[i] == files.Profile[i]);
        }
        QCOMPARE(live.Profile[active].mousespeed, quint8(23));
    }

    // Reports that change nothing announce nothing: the current status, a slot or level outside
    // the records, a rate code outside the table (stored all the same).
    void statusReportsThatAnnounceNothing()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        const MouseConfig before = GlobalRecords::live();
        QCOMPARE(before.activeProfile().dpi, quint8(1));
        QCOMPARE(before.activeProfile().pollrate, quint8(1));
        w.slotRefreshStatus(0, 1, 1, 9);
        w.slotRefreshStatus(0, 1, 1, 0);
        // Five slots and eight levels: a profile 5 or a level 8 names nothing.
        w.slotRefreshStatus(5, 8, 1, 0);
        w.slotRefreshStatus(200, 15, 1, 0);
        QVERIFY(GlobalRecords::live() == before);
        QCOMPARE(w.currentProfile(), quint8(0));
        QVERIFY(rig.m_Speed.m_Applied.isEmpty());
        QCOMPARE(rig.configValue("Config/ProfileID").toInt(), 0);
        for (quint8 code : {quint8(0), quint8(3), quint8(16), quint8(255)}) {
            w.slotRefreshStatus(0, 1, code, 0);
            QCOMPARE(GlobalRecords::live().activeProfile().pollrate, code);
        }
        QVERIFY(rig.m_Announcer.m_Texts.isEmpty());
    }

    void statusChangesAreAppliedAndAnnounced()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        GlobalRecords::live().Profile[1].mousespeed = 15;

        w.slotRefreshStatus(1, 2, 8, 0);

        // Profile 2's level 3 is step 32: 1600 DPI on sensor 3389.
        QCOMPARE(rig.m_Announcer.m_Texts, QStringList({"Profile 2", "DPI 3:1600", "125 HZ"}));
        for (const QColor& c : rig.m_Announcer.m_Colours)
            QCOMPARE(c, QColor(0, 0, 255)); // Config/GColorID 2
        QCOMPARE(w.currentProfile(), quint8(1));
        QCOMPARE(GlobalRecords::live().Profile[1].dpi, quint8(2));
        QCOMPARE(GlobalRecords::live().Profile[1].pollrate, quint8(8));
        // The first profile is left as it was.
        QCOMPARE(GlobalRecords::live().Profile[0].dpi, quint8(1));
        QCOMPARE(rig.configValue("Config/ProfileID").toInt(), 1);
        QCOMPARE(rig.m_Speed.m_Applied, QList<int>({15}));
        // The level goes into the file of the profile that is active now.
        QCOMPARE(rig.profileValue("Profile 2", "PROFILE/dpi").toInt(), 2);
        QCOMPARE(rig.profileValue("Profile 1", "PROFILE/dpi").toInt(), 1);

        rig.m_Announcer.m_Texts.clear();
        w.slotRefreshStatus(1, 2, 4, 0);
        w.slotRefreshStatus(1, 2, 2, 0);
        w.slotRefreshStatus(1, 2, 1, 0);
        QCOMPARE(rig.m_Announcer.m_Texts, QStringList({"250 HZ", "500 HZ", "1000 HZ"}));
    }

    void mouseOffWhateverCharging()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        BatteryDisplay* d = w.batteryDisplay();
        // Not charging, the charging flag, charging in the high byte: level 0 is off all the same.
        for (const auto& charging : {qMakePair(0, 0), qMakePair(1, 0), qMakePair(0, 1)}) {
            w.slotRefreshBatteryStatus(0, 60, 0);
            QCOMPARE(rig.configValue("Config/Battery").toInt(), 60);
            w.slotRefreshBatteryStatus(quint8(charging.first), 0, quint8(charging.second));
            QVERIFY(d->isMouseOff());
            QCOMPARE(d->bar()->format(), QStringLiteral("MOUSE OFF"));
            QVERIFY(!d->bar()->isTextVisible());
            QCOMPARE(d->statusLabel()->text(), QStringLiteral("MOUSE OFF"));
            QVERIFY(d->statusLabel2()->text().isEmpty());
            QCOMPARE(d->bar()->chunkColour(), QColor(100, 100, 100));
            QCOMPARE(d->bar()->backgroundColour(), QColor(100, 100, 100));
            QCOMPARE(d->bar()->textColour(), QColor(Qt::white));
            QVERIFY(!d->chargingIcon()->isVisibleTo(&w));
            // An off mouse has no level to remember.
            QCOMPARE(rig.configValue("Config/Battery").toInt(), 60);
        }
    }

    void batteryLevelShownAndStored()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        BatteryDisplay* d = w.batteryDisplay();
        w.slotRefreshBatteryStatus(0, 57, 0);
        QVERIFY(!d->isMouseOff());
        QVERIFY(d->bar()->isTextVisible());
        QCOMPARE(d->bar()->format(), QStringLiteral("%p%"));
        QCOMPARE(d->bar()->value(), 57);
        QCOMPARE(d->bar()->text(), QStringLiteral("57%"));
        QCOMPARE(d->bar()->chunkColour(), QColor(0, 0, 255));
        QCOMPARE(d->bar()->backgroundColour(), QColor(Qt::white));
        QCOMPARE(d->bar()->textColour(), QColor(Qt::black));
        QVERIFY(d->bar()->font().bold());
        QCOMPARE(d->bar()->font().pixelSize(), 16);
        QCOMPARE(rig.configValue("Config/Battery").toInt(), 57);
        QVERIFY(!d->chargingIcon()->isVisibleTo(&w));

        // The mouse reports charging in the high byte.
        w.slotRefreshBatteryStatus(0, 58, 1);
        QVERIFY(d->isCharging());
        QVERIFY(d->chargingIcon()->isVisibleTo(&w));
        QCOMPARE(rig.configValue("Config/Battery").toInt(), 58);
        // A level above 100 is shown as full.
        w.slotRefreshBatteryStatus(0, 180, 0);
        QCOMPARE(d->bar()->value(), 100);
    }

    void batteryReadableOnEveryAccentAndLowLevelsWarn()
    {
        // Every colour the gauge can be filled with: the seven accents, the warning colour and
        // the grey of a mouse that is off; the text must read on it and on the empty part.
        QList<QColor> fills{BatteryBar::warningColour(), QColor(100, 100, 100)};
        for (int id = 0; id < AppSettings::kAccentColourCount; ++id)
            fills << AppSettings::accentColor(id);
        BatteryBar bar;
        for (const QColor& text : {QColor(Qt::black), QColor(Qt::white)}) {
            for (const QColor& fill : fills) {
                bar.setColours(fill, Qt::white, text);
                QVERIFY2(ColourContrast::ratio(bar.textColourOver(fill), fill) >= 4.5,
                         qPrintable(fill.name()));
                QVERIFY(ColourContrast::ratio(bar.textColourOver(Qt::white), Qt::white) >= 4.5);
            }
        }
        QVERIFY(qAbs(ColourContrast::ratio(Qt::black, Qt::white) - 21.0) < 0.01);

        WindowRig rig;
        BatteryDisplay* d = rig.window().batteryDisplay();
        for (int level : {21, 20, 15}) {
            rig.window().slotRefreshBatteryStatus(0, quint8(level), 0);
            QCOMPARE(d->bar()->isLow(), level <= 20);
            QCOMPARE(d->bar()->chunkColour(),
                     level <= 20 ? BatteryBar::warningColour() : QColor(0, 0, 255));
        }
    }

    void chargingIconStaysInsideTheWell()
    {
        for (double scale : {1.0, 1.25, 1.5, 2.0, 3.0}) {
            for (bool receiver : {false, true}) {
                WindowRig rig(QStringLiteral("hornbeam"), receiver, false);
                MousecfgWidget& w = rig.window();
                w.batteryDisplay()->layout(scale);
                w.slotRefreshBatteryStatus(0, 50, 1);
                w.batteryDisplay()->layout(scale);
                const QRect well = MainLayout::rect(MainLayout::StatusWell, scale);
                for (QWidget* icon : {static_cast<QWidget*>(w.batteryDisplay()->chargingIcon()),
                                      static_cast<QWidget*>(w.batteryDisplay()->receiverIcon())}) {
                    if (icon->isVisibleTo(&w))
                        QVERIFY2(
                            well.contains(icon->geometry()),
                            qPrintable(QString("%1 at %2").arg(icon->objectName()).arg(scale)));
                }
            }
        }
    }

    void cableShowsFullWithoutPercent()
    {
        WindowRig rig(QStringLiteral("hornbeam"), false, true);
        MousecfgWidget& w = rig.window();
        BatteryDisplay* d = w.batteryDisplay();
        w.slotRefreshBatteryStatus(0, 40, 1);
        QCOMPARE(d->bar()->value(), 100);
        QVERIFY(d->bar()->format().isEmpty());
        QCOMPARE(d->state(), int(BatteryDisplay::CableOnly));
        QVERIFY(!d->bar()->isVisibleTo(&w));
        QVERIFY(!d->receiverIcon()->isVisibleTo(&w));
        QCOMPARE(rig.configValue("Config/Battery").toInt(), 40);
    }

    void connectionStateTable_data()
    {
        QTest::addColumn<bool>("cable");
        QTest::addColumn<bool>("receiver");
        QTest::addColumn<bool>("charging");
        QTest::addColumn<int>("state");
        QTest::newRow("cable") << true << false << false << 0;
        QTest::newRow("cable charging") << true << false << true << 0;
        QTest::newRow("both") << true << true << false << 1;
        QTest::newRow("both charging") << true << true << true << 1;
        QTest::newRow("receiver charging") << false << true << true << 1;
        QTest::newRow("receiver") << false << true << false << 2;
        QTest::newRow("none") << false << false << false << 3;
        QTest::newRow("none charging") << false << false << true << 3;
    }

    void connectionStateTable()
    {
        QFETCH(bool, cable);
        QFETCH(bool, receiver);
        QFETCH(bool, charging);
        QFETCH(int, state);
        QCOMPARE(BatteryDisplay::connectionState(cable, receiver, charging), state);
    }

    void connectionStateShownByIcons()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        BatteryDisplay* d = w.batteryDisplay();

        w.slotRefreshBatteryStatus(0, 70, 0);
        QCOMPARE(d->state(), 2);
        QVERIFY(d->receiverIcon()->isVisibleTo(&w));
        QVERIFY(d->bar()->isVisibleTo(&w));

        w.slotRefreshBatteryStatus(0, 70, 1);
        QCOMPARE(d->state(), 1);
        QVERIFY(d->receiverIcon()->isVisibleTo(&w));
        QVERIFY(!d->bar()->isVisibleTo(&w));
        // Both icons show; they do not cover each other.
        QVERIFY(d->chargingIcon()->isVisibleTo(&w));
        QVERIFY(!d->chargingIcon()->geometry().intersects(d->receiverIcon()->geometry()));

        // Receiver gone: nothing reaches the mouse.
        rig.mouse().unplug(VirtualMouse::Link::Receiver);
        DeviceAccess::enumerate();
        w.slotRefreshBatteryStatus(0, 0, 0);
        QCOMPARE(d->state(), 3);
        QVERIFY(!d->receiverIcon()->isVisibleTo(&w));
        QVERIFY(d->bar()->isVisibleTo(&w));
    }

    void lightingTabShowsLightingPage()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        QCOMPARE(w.currentPage(), 0);
        button(w, "tabDpi")->click();
        QCOMPARE(w.currentPage(), 2);
        QVERIFY(button(w, "tabDpi")->isChecked());
        QVERIFY(!button(w, "tabLighting")->isChecked());
        QVERIFY(w.findChild<QWidget*>("dpiPage")->isVisibleTo(&w));
        QVERIFY(!w.findChild<QWidget*>("lightingPage")->isVisibleTo(&w));
        button(w, "tabLighting")->click();
        QCOMPARE(w.currentPage(), 0);
        QVERIFY(w.findChild<QWidget*>("lightingPage")->isVisibleTo(&w));
        QVERIFY(!w.findChild<QWidget*>("dpiPage")->isVisibleTo(&w));
        QVERIFY(!w.mousePicture()->frontPicture()->isVisibleTo(&w));
        QVERIFY(!button(w, "tabLighting")->geometry().isEmpty());
        QVERIFY(!button(w, "tabMacro")->geometry().isEmpty());
    }

    void ledDisableShowsCustomizeForLighting()
    {
        // The linden installation has PROFILE/ledDisable and PROFILE/DisableMacro set.
        WindowRig rig(QStringLiteral("linden"));
        MousecfgWidget& w = rig.window();
        QCOMPARE(w.currentPage(), 1);
        button(w, "tabDpi")->click();
        QCOMPARE(w.currentPage(), 2);
        button(w, "tabLighting")->click();
        QCOMPARE(w.currentPage(), 1);
        QVERIFY(button(w, "tabCustomize")->isChecked());
        QVERIFY(!button(w, "tabLighting")->isChecked());
        QVERIFY(w.findChild<QWidget*>("customizePage")->isVisibleTo(&w));
        QVERIFY(!w.findChild<QWidget*>("lightingPage")->isVisibleTo(&w));
        w.slotGotoMacro(0);
        QCOMPARE(w.currentPage(), 1);
        QVERIFY(button(w, "tabLighting")->geometry().isEmpty());
        QVERIFY(button(w, "tabMacro")->geometry().isEmpty());
        QVERIFY(!button(w, "tabCustomize")->geometry().isEmpty());
    }

    // Recording on the macro page locks the rest of the window until it stops.
    void macroRecordingLocksTheWindow()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        QVERIFY(MacroFile::save("m1", MacroFileData::newMacro()) && MacroList::add("m1"));
        w.slotGotoMacro(3);
        QCOMPARE(w.currentPage(), 3);
        MacroDialog* page = w.macroPage();
        page->reloadMacroList();
        page->runCommand(MacroDialog::StartStop);
        QVERIFY(!button(w, "tabDpi")->isEnabled());
        QVERIFY(!button(w, "applyButton")->isEnabled());
        page->runCommand(MacroDialog::StartStop);
        QVERIFY(button(w, "tabDpi")->isEnabled());
        QVERIFY(button(w, "applyButton")->isEnabled());
    }

    void frontAndSideViews()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        button(w, "tabCustomize")->click();
        MousePicture* picture = w.mousePicture();
        QVERIFY(picture->isFrontView());
        QVERIFY(picture->frontPicture()->isVisibleTo(&w));
        QVERIFY(!picture->sidePicture()->isVisibleTo(&w));
        button(w, "sideButton")->click();
        QVERIFY(!picture->isFrontView());
        QVERIFY(picture->sidePicture()->isVisibleTo(&w));
        QVERIFY(button(w, "sideButton")->isChecked());
        QVERIFY(!button(w, "frontButton")->isChecked());
        QVERIFY(picture->hotspot(MousePicture::ArrowGroup, 0)->isVisibleTo(&w));
        button(w, "tabDpi")->click();
        QVERIFY(!picture->sidePicture()->isVisibleTo(&w));
        QVERIFY(!button(w, "sideButton")->isVisibleTo(&w));
        button(w, "frontButton")->click();
        button(w, "tabCustomize")->click();
        QVERIFY(picture->frontPicture()->isVisibleTo(&w));
        // Front hotspots are not offered; side ones sit on the side picture.
        QVERIFY(picture->hotspot(MousePicture::FrontGroup, 3)->geometry().isEmpty());
        const QRect side = picture->sidePicture()->geometry();
        const QRect spot = picture->hotspot(MousePicture::SideGroup, 3)->geometry();
        QVERIFY(!spot.isEmpty());
        QVERIFY(side.contains(spot));
    }

    void hotspotClickSelectsButton()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        MousePicture* picture = w.mousePicture();
        picture->hotspot(MousePicture::SideGroup, 4)->click();
        QCOMPARE(w.selectedGroup(), 1);
        QCOMPARE(w.selectedHotspot(), 4);
        QVERIFY(picture->hotspot(MousePicture::SideGroup, 4)->isChecked());
        picture->hotspot(MousePicture::ArrowGroup, 1)->click();
        QCOMPARE(w.selectedGroup(), 2);
        QCOMPARE(w.selectedHotspot(), 1);
        QVERIFY(!picture->hotspot(MousePicture::SideGroup, 4)->isChecked());
    }

    void mouseOverHighlightsButtonPicture()
    {
        WindowRig rig;
        // The pictures of the current device, as the skin lays them out.
        const QString folder = rig.folder() + "/skin/mouse/HORNBEAM/";
        QVERIFY(QDir().mkpath(folder));
        QImage image(30, 40, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(folder + "Mouse.png"));
        QVERIFY(image.save(folder + "mouse_4.png"));
        QVERIFY(image.save(folder + "HORNBEAM_Side.png"));
        MousecfgWidget& w = rig.window();
        w.refreshModelParts();
        QCOMPARE(MousePicture::sidePicturePath("HORNBEAM"), folder + "HORNBEAM_Side.png");

        KivoPushButton other(QStringList(), nullptr);
        other.setProperty("buttonIndex", 3);
        w.slotMouseOver(&other, false);
        QCOMPARE(w.mousePicture()->highlighted(), 3);
        w.slotMouseOver(&other, true);
        QCOMPARE(w.mousePicture()->highlighted(), -1);
        // Button 9 has no picture of its own: the plain one stays.
        other.setProperty("buttonIndex", 8);
        w.slotMouseOver(&other, false);
        QCOMPARE(w.mousePicture()->highlighted(), -1);
    }

    void arrowImagesByModel()
    {
        QVERIFY(MousePicture::usesSecondArrowSet("ELM FPS"));
        QVERIFY(MousePicture::usesSecondArrowSet("PINE"));
        QVERIFY(!MousePicture::usesSecondArrowSet("pine"));
        QVERIFY(!MousePicture::usesSecondArrowSet("HORNBEAM"));
        QVERIFY(MousePicture::arrowImages("K121-RGB2", true).first().endsWith("/btn_up4.png"));
        QVERIFY(MousePicture::arrowImages("K121-RGB2", false).last().endsWith("/btn_down3.png"));
        QVERIFY(MousePicture::arrowImages("HORNBEAM", true).first().endsWith("/btn_up2.png"));
        QVERIFY(MousePicture::arrowImages("HORNBEAM", false).last().endsWith("/btn_down1.png"));
    }

    void trayTriggerHidesAndRestores()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.iconActivated(QSystemTrayIcon::Trigger);
        QVERIFY(w.isHidden());
        w.iconActivated(QSystemTrayIcon::Context);
        w.iconActivated(QSystemTrayIcon::MiddleClick);
        QVERIFY(w.isHidden());
        // Brought back through the device selection: the one mouse is opened after its pause.
        w.iconActivated(QSystemTrayIcon::Trigger);
        QTRY_VERIFY_WITH_TIMEOUT(w.isVisible(), 5000);
        QTRY_VERIFY(!w.isBusy());
        QVERIFY(DeviceLink::instance().isReceiverOpen());
        QVERIFY(w.batteryPoller()->isPolling());
        w.iconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(w.isHidden());
        // The tray menu: "&Load Config" then "&Quit".
        const QList<QAction*> actions = w.trayMenu()->actions();
        QCOMPARE(actions.size(), 2);
        QCOMPARE(actions[0]->text(), QStringLiteral("&Load Config"));
        QCOMPARE(actions[1]->text(), QStringLiteral("&Quit"));

        // While a selection runs the tray leaves the window alone.
        w.show();
        w.selectDevice(false);
        QVERIFY(w.isBusy());
        w.iconActivated(QSystemTrayIcon::Trigger);
        QVERIFY(w.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!w.isBusy(), 5000);
        w.iconActivated(QSystemTrayIcon::Trigger);
        QVERIFY(w.isHidden());
    }

    void dragNeedsMoreThanFourPixelsAndTheLeftButton()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        w.move(100, 100);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint start = w.pos();
        const QPoint press = start + QPoint(270, 600); // the bottom bar, no control there
        QCOMPARE(w.childAt(press - start), nullptr);
        sendMouse(w, QEvent::MouseButtonPress, Qt::LeftButton, press);
        sendMouse(w, QEvent::MouseMove, Qt::LeftButton, press + QPoint(3, 1));
        QCOMPARE(w.pos(), start);
        sendMouse(w, QEvent::MouseMove, Qt::LeftButton, press + QPoint(3, 2));
        QCOMPARE(w.pos(), start + QPoint(3, 2));
        sendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, press + QPoint(3, 2));
        sendMouse(w, QEvent::MouseMove, Qt::NoButton, press + QPoint(40, 40));
        QCOMPARE(w.pos(), start + QPoint(3, 2));
        // The right button never drags.
        sendMouse(w, QEvent::MouseButtonPress, Qt::RightButton, press);
        sendMouse(w, QEvent::MouseMove, Qt::RightButton, press + QPoint(30, 30));
        QCOMPARE(w.pos(), start + QPoint(3, 2));
    }
};

QTEST_MAIN(TestMousecfgWidget)
#include "tst_mousecfgwidget.moc"
