#include "TestAppFolder.h"
#include "TestFiles.h"
#include "model/AppPaths.h"
#include "model/MacroFile.h"
#include "model/ProfileRules.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

#include <functional>

namespace {
int writeSignOf(const QString& name)
{
    return QSettings(MacroFile::filePath(name), QSettings::IniFormat)
        .value("Setting/WriteSign")
        .toInt();
}

// A configuration with something in every field the change mask looks at.
MouseConfig busyConfig()
{
    MouseConfig c;
    c.ProfileID = 2;
    c.AngleValue = c.Sync = c.Jitter = c.Wake = c.SensorMode = 1;
    c.LiftHigh = 2;
    c.Count = 3;
    c.Debounce = 8;
    for (int p = 0; p < MouseConfig::kProfileCount; ++p) {
        ProfileData& d = c.Profile[p];
        d.pollrate = 1;
        d.dpi = quint8(p % 8);
        d.LedMode = quint8(p + 1);
        d.LedMoveOFF = 255;
        d.LedSleepTime = d.scrollspeed = 3;
        for (int i = 0; i < ProfileData::kDpiLevelCount; ++i) {
            d.DpiInfo[i].used = d.DpiInfo[i].link = 1;
            d.DpiInfo[i].xy = d.DpiInfo[i].x = d.DpiInfo[i].y = quint32(8 * (i + 1));
        }
        for (int b = 0; b < 5; ++b)
            d.ButtonInfo[b].Fun = b + 1;
        for (int m = 0; m < ProfileData::kLedModeCount; ++m)
            d.LedInfo[m].colour = QColor(m * 10, 0, 255 - m);
        d.ProfileName = c.ProfileNames[p] = QString("Profile %1").arg(p + 1);
    }
    return c;
}

void checkLevels(const ProfileData& p, const QVector<quint32>& steps)
{
    for (int i = 0; i < ProfileData::kDpiLevelCount; ++i) {
        const DpiLevel& l = p.DpiInfo[i];
        QCOMPARE(l.used, quint8(1));
        QCOMPARE(l.link, quint8(1));
        QVERIFY(l.xy == steps[i] && l.x == steps[i] && l.y == steps[i]);
    }
}

// LiftHigh, AngleValue, Debounce, Jitter, Wake, SensorMode, Sync.
QVector<int> sensorFields(const MouseConfig& c)
{
    return {c.LiftHigh, c.AngleValue, c.Debounce, c.Jitter, c.Wake, c.SensorMode, c.Sync};
}

struct Change
{
    const char* name;
    std::function<void(MouseConfig&)> apply;
    int mask;
};

// One difference from busyConfig() each (profile 2 is active; profile p runs LED mode p + 1).
QVector<Change> changes()
{
    using M = MouseConfig;
    const int general = ProfileRules::ChangeGeneral, dpi = ProfileRules::ChangeDpi,
              buttons = ProfileRules::ChangeButtons, lighting = ProfileRules::ChangeLighting;
    return {
        {"nothing", [](M&) {}, 0},
        {"Count and slot names",
         [](M& c) { c.Count = 9, c.ProfileNames[0] = "R", c.ProfileNames[4] = "O"; }, 0},
        {"LED modes not running",
         [](M& c) {
             c.Profile[1].LedInfo[0].colour = Qt::white, c.Profile[2].LedInfo[7].bright = 3;
         },
         0},
        {"link and xy of a level",
         [](M& c) { c.Profile[3].DpiInfo[5].link = 0, c.Profile[3].DpiInfo[5].xy = 999; }, 0},
        {"active-only fields of an inactive profile",
         [](M& c) {
             ProfileData& p = c.Profile[4];
             p.dpi = 6, p.LedMoveOFF = 0, p.LedSleepTime = 9, p.mousespeed = 15,
             p.ProfileName = "x";
         },
         0},
        {"macro name of a non-macro", [](M& c) { c.Profile[0].ButtonInfo[5].macroname = "left"; },
         0},
        {"pollrate of profile 4", [](M& c) { c.Profile[4].pollrate = 8; }, general},
        {"scrollspeed of profile 0", [](M& c) { c.Profile[0].scrollspeed = 9; }, general},
        {"AngleValue", [](M& c) { c.AngleValue ^= 1; }, general},
        {"LiftHigh", [](M& c) { c.LiftHigh ^= 1; }, general},
        {"Sync", [](M& c) { c.Sync ^= 1; }, general},
        {"Jitter", [](M& c) { c.Jitter ^= 1; }, general},
        {"Debounce", [](M& c) { c.Debounce ^= 1; }, general},
        {"Wake", [](M& c) { c.Wake ^= 1; }, general},
        {"SensorMode", [](M& c) { c.SensorMode ^= 1; }, general},
        {"ProfileID, same profile modulo 5", [](M& c) { c.ProfileID = 7; }, general},
        {"active dpi", [](M& c) { c.Profile[2].dpi ^= 1; }, general},
        {"active LedMoveOFF", [](M& c) { c.Profile[2].LedMoveOFF = 0; }, general},
        {"active LedSleepTime", [](M& c) { c.Profile[2].LedSleepTime = 7; }, general},
        {"level used", [](M& c) { c.Profile[4].DpiInfo[7].used = 0; }, dpi},
        {"level x", [](M& c) { c.Profile[0].DpiInfo[0].x += 1; }, dpi},
        {"level y and active level",
         [](M& c) { c.Profile[2].DpiInfo[3].y = 0, c.Profile[2].dpi = 7; }, dpi | general},
        {"last KeyInfo byte", [](M& c) { c.Profile[3].ButtonInfo[17].KeyInfo[83][2] = 1; },
         buttons},
        {"Fun of button 41", [](M& c) { c.Profile[0].ButtonInfo[41].Fun = 43; }, buttons},
        {"Res3", [](M& c) { c.Profile[1].ButtonInfo[2].Res3 = 1; }, buttons},
        {"ID", [](M& c) { c.Profile[1].ButtonInfo[2].ID = 5; }, buttons},
        {"LoopNumber of button 39", [](M& c) { c.Profile[4].ButtonInfo[39].LoopNumber = 2; },
         buttons},
        {"colour of a running mode", [](M& c) { c.Profile[1].LedInfo[2].colour = Qt::white; },
         lighting},
        {"h", [](M& c) { c.Profile[4].LedInfo[5].h += 1; }, lighting},
        {"s", [](M& c) { c.Profile[4].LedInfo[5].s += 1; }, lighting},
        {"v", [](M& c) { c.Profile[4].LedInfo[5].v += 1; }, lighting},
        {"bright", [](M& c) { c.Profile[4].LedInfo[5].bright += 1; }, lighting},
        {"breath", [](M& c) { c.Profile[4].LedInfo[5].breath += 1; }, lighting},
        {"inactive LedMode onto an equal mode",
         [](M& c) {
             c.Profile[0].LedMode = 11, c.Profile[0].LedInfo[11] = c.Profile[0].LedInfo[1];
         },
         lighting},
        {"active LedMode", [](M& c) { c.Profile[2].LedMode = 11; }, lighting | general},
    };
}
} // namespace

class TestProfileRules : public QObject
{
    Q_OBJECT

private slots:
    void defaultProfileWithoutDescription()
    {
        TestAppFolder folder;
        QVERIFY(QFile::remove(AppPaths::deviceDescriptionFile()));
        ProfileData p;
        // Whatever the record held before is replaced.
        p.mousespeed = 3;
        p.ProfileName = "Old";
        p.ButtonInfo[20].Fun = FunctionCode::ComboKey;
        p.ButtonInfo[1].KeyInfo[5][1] = 9;
        p.ButtonInfo[0].macroname = "m";
        ProfileRules::buildDefaultProfile(p);
        QCOMPARE((QVector<int>{p.pollrate, p.LedMode, p.LedMoveOFF, p.LedSleepTime}),
                 (QVector<int>{0, 9, 0, 1}));
        QVERIFY(p.mousespeed == 0 && p.ProfileName.isEmpty() &&
                p.ButtonInfo[0].macroname.isEmpty());
        QCOMPARE(p.ButtonInfo[1].KeyInfo[5][1], quint8(0));
        checkLevels(p, {8, 12, 16, 24, 50, 75, 0, 0});
        const int funs[7] = {1, 2, 3, 4, 5, 4, 5};
        for (int b = 0; b < ProfileData::kButtonCount; ++b)
            QCOMPARE(p.ButtonInfo[b].Fun, b < 7 ? funs[b] : b == 40 ? 52 : b == 41 ? 53 : 0);
        for (int m = 0; m < ProfileData::kLedModeCount; ++m) {
            const LedSetting& led = p.LedInfo[m];
            QCOMPARE(led.colour, m == 10 ? QColor(0, 255, 0) : QColor(255, 0, 0));
            QVERIFY(led.h == 360 && led.s == 0 && led.bright == 3 && led.breath == 3);
        }
    }

    void defaultProfileFromSparseDescription()
    {
        TestAppFolder folder;
        QVERIFY(TestFiles::write(
            AppPaths::deviceDescriptionFile(),
            "[PROFILE]\npollrate=258\ndpi=12\nBUTTON_INFO_3_Fun=200\n"
            "BUTTON_INFO_3_LoopNumber=4\nBUTTON_INFO_16_Fun=9\nDPI_INFO_2_xy=44\n"));
        ProfileData p;
        ProfileRules::buildDefaultProfile(p);
        QCOMPARE(p.pollrate, quint8(2)); // low byte of 258
        QCOMPARE(&p.activeDpiLevel(), &p.DpiInfo[4]);
        QCOMPARE(p.LedMoveOFF, quint8(255));
        QCOMPARE(p.DpiInfo[2].x, 44u);
        QCOMPARE(p.DpiInfo[0].used, quint8(1));
        QCOMPARE(p.ButtonInfo[0].Fun, 0); // the file rules, not the built-in codes
        QCOMPARE(p.ButtonInfo[3].LoopNumber, 4);
        QCOMPARE(p.ButtonInfo[16].Fun, 0); // only 16 buttons come from the file
        QCOMPARE(p.ButtonInfo[41].Fun, 53);
        QVERIFY(!p.LedInfo[0].colour.isValid());
    }

    void resetAll()
    {
        for (const bool withFile : {true, false}) {
            TestAppFolder folder("linden");
            if (!withFile)
                QVERIFY(QFile::remove(AppPaths::deviceDescriptionFile()));
            MouseConfig c = busyConfig();
            const MouseConfig before = c;
            c.ProfileNames[3] = "Mine";
            ProfileRules::resetAll(c);
            QCOMPARE(c.ProfileID, quint8(0));
            QCOMPARE(c.Count, before.Count);
            const QVector<int> sensor =
                withFile ? QVector<int>{2, 1, 20, 1, 1, 0, 1} : QVector<int>{0, 0, 20, 0, 0, 1, 0};
            QCOMPARE(sensorFields(c), sensor);
            ProfileData fresh;
            ProfileRules::buildDefaultProfile(fresh);
            QVERIFY(c.Profile[0] == fresh);
            for (int i = 1; i < MouseConfig::kProfileCount; ++i)
                QVERIFY(c.Profile[i] == before.Profile[i]);
            QCOMPARE(c.ProfileNames[3], QString("Profile 4"));
        }
    }

    void changeMask_data()
    {
        QTest::addColumn<int>("index");
        const auto all = changes();
        for (int i = 0; i < all.size(); ++i)
            QTest::newRow(all[i].name) << i;
    }
    void changeMask()
    {
        QFETCH(int, index);
        TestAppFolder folder;
        const Change change = changes()[index];
        const MouseConfig snapshot = busyConfig();
        MouseConfig c = snapshot;
        change.apply(c);
        QCOMPARE(ProfileRules::detectChanges(c, snapshot), change.mask);
    }

    void macroRecordsAndWriteSign()
    {
        TestAppFolder folder;
        // The name and the event list count; the file is not needed for that.
        MouseConfig snapshot = busyConfig();
        snapshot.Profile[0].ButtonInfo[6].Fun = FunctionCode::Macro;
        snapshot.Profile[0].ButtonInfo[6].macroname = "absent";
        MouseConfig c = snapshot;
        c.Profile[0].ButtonInfo[6].macroname = "other";
        QCOMPARE(ProfileRules::detectChanges(c, snapshot), int(ProfileRules::ChangeButtons));
        c = snapshot;
        c.Profile[0].ButtonInfo[6].KeyInfo[0][0] = 0x84;
        QCOMPARE(ProfileRules::detectChanges(c, snapshot), int(ProfileRules::ChangeButtons));

        // A macro saved by the editor counts once, until it is saved again.
        QVERIFY(MacroFile::save("Burst", MacroFileData::newMacro()));
        QVERIFY(MacroFile::saveEventList("Quiet", {}));
        c = snapshot;
        c.Profile[2].ButtonInfo[4].Fun = FunctionCode::Macro;
        c.Profile[2].ButtonInfo[4].macroname = "Quiet";
        c.Profile[3].ButtonInfo[9].Fun = FunctionCode::Macro;
        c.Profile[3].ButtonInfo[9].macroname = "Burst";
        QCOMPARE(ProfileRules::detectChanges(c, c), int(ProfileRules::ChangeButtons));
        QCOMPARE(writeSignOf("Burst"), 0);
        QCOMPARE(ProfileRules::detectChanges(c, c), 0);
        QVERIFY(MacroFile::save("Burst", MacroFileData::newMacro()));
        QCOMPARE(ProfileRules::detectChanges(c, c), int(ProfileRules::ChangeButtons));

        // The button comparison stops at the first difference, so a later macro keeps its flag
        // for the next write (which sends every group anyway).
        QVERIFY(MacroFile::save("Burst", MacroFileData::newMacro()));
        MouseConfig earlier = c;
        earlier.Profile[0].ButtonInfo[3].Fun = FunctionCode::ButtonOff;
        QCOMPARE(ProfileRules::detectChanges(earlier, c), int(ProfileRules::ChangeButtons));
        QCOMPARE(writeSignOf("Burst"), 1);
    }
};

QTEST_GUILESS_MAIN(TestProfileRules)
#include "tst_profilerules.moc"
