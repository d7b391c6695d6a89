#include "TestAppFolder.h"
#include "model/AppPaths.h"
#include "model/ProfileRules.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

namespace {
void writeDescription(const QByteArray& text)
{
    QFile file(AppPaths::deviceDescriptionFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(text), qint64(text.size()));
}

QString macroPath(const QString& name)
{
    return AppPaths::macroDir() + "/" + name + ".MSMACRO";
}

void writeMacro(const QString& name, int writeSign)
{
    QDir().mkpath(AppPaths::macroDir());
    QSettings s(macroPath(name), QSettings::IniFormat);
    s.setValue("Setting/Count", 2);
    s.setValue("Setting/Map_0", 0x84);
    s.setValue("Setting/DataL_0", 4);
    s.setValue("Setting/Map_1", 0x04);
    s.setValue("Setting/DataL_1", 4);
    s.setValue("Setting/WriteSign", writeSign);
}

int writeSignOf(const QString& name)
{
    return QSettings(macroPath(name), QSettings::IniFormat).value("Setting/WriteSign").toInt();
}

// A configuration with something in every field the change mask looks at.
MouseConfig busyConfig()
{
    MouseConfig c;
    c.ProfileID = 2;
    c.AngleValue = 1;
    c.LiftHigh = 2;
    c.Sync = 1;
    c.Count = 3;
    c.Jitter = 1;
    c.Debounce = 8;
    c.Wake = 1;
    c.SensorMode = 1;
    for (int p = 0; p < MouseConfig::kProfileCount; ++p) {
        ProfileData& d = c.Profile[p];
        d.pollrate = 1;
        d.dpi = quint8(p % 8);
        d.LedMode = quint8(p + 1);
        d.LedMoveOFF = 255;
        d.LedSleepTime = 3;
        d.scrollspeed = 3;
        for (int i = 0; i < ProfileData::kDpiLevelCount; ++i) {
            d.DpiInfo[i].used = 1;
            d.DpiInfo[i].link = 1;
            d.DpiInfo[i].xy = d.DpiInfo[i].x = d.DpiInfo[i].y = quint32(8 * (i + 1));
        }
        for (int b = 0; b < ProfileData::kButtonCount; ++b)
            d.ButtonInfo[b].Fun = b < 5 ? b + 1 : 0;
        for (int m = 0; m < ProfileData::kLedModeCount; ++m)
            d.LedInfo[m].colour = QColor(m * 10, 0, 255 - m);
        d.ProfileName = QString("Profile %1").arg(p + 1);
        c.ProfileNames[p] = d.ProfileName;
    }
    return c;
}
} // namespace

class TestProfileRules : public QObject
{
    Q_OBJECT

private slots:
    void defaultProfileWithoutDescription();
    void defaultProfileFromDescription();
    void defaultProfileFromSparseDescription();
    void defaultProfileStartsFromZero();
    void resetAllFromDescription();
    void resetAllWithoutDescription();
    void equalRecordsGiveNoChange();
    void ignoredDifferences();
    void generalChanges_data();
    void generalChanges();
    void dpiChanges();
    void buttonChanges();
    void macroWriteSignCountsOnce();
    void macroWriteSignAfterAnEarlierDifference();
    void lightingChanges();
    void outOfRangeIndexesAreSafe();
};

void TestProfileRules::defaultProfileWithoutDescription()
{
    TestAppFolder folder;
    QVERIFY(QFile::remove(AppPaths::deviceDescriptionFile()));
    ProfileData p;
    ProfileRules::buildDefaultProfile(p);
    QCOMPARE(p.pollrate, quint8(0));
    QCOMPARE(p.dpi, quint8(0));
    QCOMPARE(p.LedMode, quint8(9));
    QCOMPARE(p.LedMoveOFF, quint8(0));
    QCOMPARE(p.LedSleepTime, quint8(1));
    const quint32 steps[8] = {8, 12, 16, 24, 50, 75, 0, 0};
    for (int i = 0; i < 8; ++i) {
        const DpiLevel& l = p.DpiInfo[i];
        QCOMPARE(l.used, quint8(1));
        QCOMPARE(l.link, quint8(1));
        QCOMPARE(l.xy, steps[i]);
        QCOMPARE(l.x, steps[i]);
        QCOMPARE(l.y, steps[i]);
    }
    const int funs[7] = {1, 2, 3, 4, 5, 4, 5};
    for (int b = 0; b < ProfileData::kButtonCount; ++b) {
        const int expected = b < 7 ? funs[b] : b == 40 ? 52 : b == 41 ? 53 : 0;
        QCOMPARE(p.ButtonInfo[b].Fun, expected);
        QCOMPARE(p.ButtonInfo[b].ID, 0);
    }
    for (int m = 0; m < ProfileData::kLedModeCount; ++m) {
        const LedSetting& led = p.LedInfo[m];
        QCOMPARE(led.colour, m == 10 ? QColor(0, 255, 0) : QColor(255, 0, 0));
        QCOMPARE(led.colour.alpha(), 255);
        QCOMPARE(led.h, 360u);
        QCOMPARE(led.s, 0u);
        QCOMPARE(led.v, 0u);
        QCOMPARE(led.bright, 3u);
        QCOMPARE(led.breath, 3u);
    }
}

void TestProfileRules::defaultProfileFromDescription()
{
    TestAppFolder folder("hornbeam");
    ProfileData p;
    ProfileRules::buildDefaultProfile(p);
    QCOMPARE(p.pollrate, quint8(1));
    QCOMPARE(p.dpi, quint8(1));
    QCOMPARE(p.LedMode, quint8(1));
    QCOMPARE(p.LedMoveOFF, quint8(255));
    QCOMPARE(p.LedSleepTime, quint8(5));
    const quint32 steps[8] = {8, 16, 32, 64, 128, 240, 320, 420};
    for (int i = 0; i < 8; ++i) {
        const DpiLevel& l = p.DpiInfo[i];
        QCOMPARE(l.used, quint8(1));
        QCOMPARE(l.link, quint8(1));
        QCOMPARE(l.xy, steps[i]);
        QCOMPARE(l.x, steps[i]);
        QCOMPARE(l.y, steps[i]);
    }
    const int funs[9] = {1, 2, 3, 4, 5, 48, 49, 47, 54};
    for (int b = 0; b < 16; ++b) {
        QCOMPARE(p.ButtonInfo[b].ID, b + 1);
        QCOMPARE(p.ButtonInfo[b].Fun, b < 9 ? funs[b] : 0);
    }
    for (int b = 16; b < 40; ++b) {
        QCOMPARE(p.ButtonInfo[b].ID, 0);
        QCOMPARE(p.ButtonInfo[b].Fun, 0);
    }
    QCOMPARE(p.ButtonInfo[40].Fun, 52);
    QCOMPARE(p.ButtonInfo[41].Fun, 53);
    QCOMPARE(p.LedInfo[2].colour, QColor(255, 125, 0));
    QCOMPARE(p.LedInfo[10].colour, QColor(0, 255, 0));
    QCOMPARE(p.LedInfo[10].bright, 2u);
    QCOMPARE(p.LedInfo[6].breath, 4u);
    for (const LedSetting& led : p.LedInfo) {
        QCOMPARE(led.h, 360u);
        QCOMPARE(led.s, 0u);
        QCOMPARE(led.v, 0u);
    }
}

void TestProfileRules::defaultProfileFromSparseDescription()
{
    TestAppFolder folder;
    writeDescription("[PROFILE]\npollrate=258\ndpi=12\nBUTTON_INFO_3_Fun=200\n"
                     "BUTTON_INFO_3_LoopNumber=4\nBUTTON_INFO_3_Res2=1\nBUTTON_INFO_16_Fun=9\n"
                     "DPI_INFO_2_xy=44\n");
    ProfileData p;
    ProfileRules::buildDefaultProfile(p);
    QCOMPARE(p.pollrate, quint8(2)); // low byte of 258
    QCOMPARE(p.dpi, quint8(12));     // kept as read; lookups bound it
    QCOMPARE(p.LedMode, quint8(0));
    QCOMPARE(p.LedMoveOFF, quint8(255));
    QCOMPARE(p.LedSleepTime, quint8(1));
    QCOMPARE(p.DpiInfo[2].x, 44u);
    QCOMPARE(p.DpiInfo[0].x, 0u);
    QCOMPARE(p.DpiInfo[0].used, quint8(1));
    QCOMPARE(p.ButtonInfo[0].Fun, 0); // the file rules, not the built-in codes
    QCOMPARE(p.ButtonInfo[3].Fun, 200);
    QCOMPARE(p.ButtonInfo[3].LoopNumber, 4);
    QCOMPARE(p.ButtonInfo[3].Res2, quint8(1));
    QCOMPARE(p.ButtonInfo[16].Fun, 0); // only 16 buttons come from the file
    QCOMPARE(p.ButtonInfo[40].Fun, 52);
    QCOMPARE(p.ButtonInfo[41].Fun, 53);
    QVERIFY(!p.LedInfo[0].colour.isValid());
    QCOMPARE(&p.activeDpiLevel(), &p.DpiInfo[4]);
}

void TestProfileRules::defaultProfileStartsFromZero()
{
    TestAppFolder folder;
    for (const bool withFile : {true, false}) {
        if (!withFile)
            QVERIFY(QFile::remove(AppPaths::deviceDescriptionFile()));
        ProfileData p;
        p.mousespeed = 10;
        p.acee = 3;
        p.ProfileName = "Old";
        p.ProfilePath = "/old";
        p.ButtonInfo[20].Fun = 7;
        p.ButtonInfo[1].KeyInfo[5][1] = 9;
        p.ButtonInfo[0].macroname = "m";
        p.LedInfo[3].h = 120;
        ProfileRules::buildDefaultProfile(p);
        QCOMPARE(p.mousespeed, quint8(0));
        QCOMPARE(p.acee, quint8(0));
        QCOMPARE(p.ProfileName, QString());
        QCOMPARE(p.ProfilePath, QString());
        QCOMPARE(p.ButtonInfo[20].Fun, 0);
        QCOMPARE(p.ButtonInfo[1].KeyInfo[5][1], quint8(0));
        QCOMPARE(p.ButtonInfo[0].macroname, QString());
        QCOMPARE(p.LedInfo[3].h, 360u);
    }
}

void TestProfileRules::resetAllFromDescription()
{
    TestAppFolder folder("linden");
    MouseConfig c = busyConfig();
    const MouseConfig before = c;
    for (int i = 0; i < MouseConfig::kProfileCount; ++i)
        c.ProfileNames[i] = QString("Mine %1").arg(i);
    ProfileRules::resetAll(c);
    QCOMPARE(c.ProfileID, quint8(0));
    QCOMPARE(c.LiftHigh, quint8(2));
    QCOMPARE(c.AngleValue, quint8(1));
    QCOMPARE(c.Debounce, quint8(20));
    QCOMPARE(c.Jitter, quint8(1));
    QCOMPARE(c.Wake, quint8(1));
    QCOMPARE(c.SensorMode, quint8(0));
    QCOMPARE(c.Sync, quint8(1));
    QCOMPARE(c.Count, before.Count);
    ProfileData fresh;
    ProfileRules::buildDefaultProfile(fresh);
    QVERIFY(c.Profile[0] == fresh);
    QCOMPARE(c.Profile[0].pollrate, quint8(2));
    for (int i = 1; i < MouseConfig::kProfileCount; ++i)
        QVERIFY(c.Profile[i] == before.Profile[i]);
    for (int i = 0; i < MouseConfig::kProfileCount; ++i)
        QCOMPARE(c.ProfileNames[i], QString("Profile %1").arg(i + 1));
}

void TestProfileRules::resetAllWithoutDescription()
{
    TestAppFolder folder;
    QVERIFY(QFile::remove(AppPaths::deviceDescriptionFile()));
    MouseConfig c = busyConfig();
    const MouseConfig before = c;
    ProfileRules::resetAll(c);
    QCOMPARE(c.ProfileID, quint8(0));
    QCOMPARE(c.LiftHigh, quint8(0));
    QCOMPARE(c.AngleValue, quint8(0));
    QCOMPARE(c.Debounce, quint8(20));
    QCOMPARE(c.Jitter, quint8(0));
    QCOMPARE(c.Wake, quint8(0));
    QCOMPARE(c.SensorMode, quint8(1));
    QCOMPARE(c.Sync, quint8(0));
    QCOMPARE(c.Count, quint8(3));
    QCOMPARE(c.Profile[0].LedMode, quint8(9));
    for (int i = 1; i < MouseConfig::kProfileCount; ++i)
        QVERIFY(c.Profile[i] == before.Profile[i]);
}

void TestProfileRules::equalRecordsGiveNoChange()
{
    TestAppFolder folder;
    const MouseConfig c = busyConfig();
    QCOMPARE(ProfileRules::detectChanges(c, c), 0);
    QCOMPARE(ProfileRules::detectChanges(MouseConfig(), MouseConfig()), 0);
}

void TestProfileRules::ignoredDifferences()
{
    TestAppFolder folder;
    const MouseConfig snapshot = busyConfig();
    MouseConfig c = snapshot;
    c.Count = 9;
    c.ProfileNames[0] = "Renamed";
    c.ProfileNames[4] = "Other";
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), 0);

    c = snapshot;
    c.Profile[1].LedInfo[0].colour = Qt::white; // profile 1 runs mode 2
    c.Profile[2].LedInfo[7].bright = 3;
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), 0);

    c = snapshot;
    c.Profile[3].DpiInfo[5].link = 0;
    c.Profile[3].DpiInfo[5].xy = 999;
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), 0);

    // Fields of inactive profiles that only the active profile's comparison covers.
    c = snapshot;
    c.Profile[4].dpi = 6;
    c.Profile[4].LedMoveOFF = 0;
    c.Profile[4].LedSleepTime = 9;
    c.Profile[4].mousespeed = 15;
    c.Profile[4].ProfileName = "x";
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), 0);

    // The macro name of a record that is not a macro.
    c = snapshot;
    c.Profile[0].ButtonInfo[5].macroname = "left over";
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), 0);
}

void TestProfileRules::generalChanges_data()
{
    QTest::addColumn<int>("field");
    const char* names[] = {"pollrate of profile 4",
                           "scrollspeed of profile 0",
                           "AngleValue",
                           "LiftHigh",
                           "Sync",
                           "Jitter",
                           "Debounce",
                           "Wake",
                           "SensorMode",
                           "ProfileID",
                           "active dpi",
                           "active LedMoveOFF",
                           "active LedSleepTime"};
    for (int i = 0; i < int(sizeof names / sizeof names[0]); ++i)
        QTest::newRow(names[i]) << i;
}

void TestProfileRules::generalChanges()
{
    QFETCH(int, field);
    TestAppFolder folder;
    const MouseConfig snapshot = busyConfig();
    MouseConfig c = snapshot;
    ProfileData& active = c.Profile[c.ProfileID];
    switch (field) {
    case 0:
        c.Profile[4].pollrate = 8;
        break;
    case 1:
        c.Profile[0].scrollspeed = 9;
        break;
    case 2:
        c.AngleValue ^= 1;
        break;
    case 3:
        c.LiftHigh ^= 1;
        break;
    case 4:
        c.Sync ^= 1;
        break;
    case 5:
        c.Jitter ^= 1;
        break;
    case 6:
        c.Debounce ^= 1;
        break;
    case 7:
        c.Wake ^= 1;
        break;
    case 8:
        c.SensorMode ^= 1;
        break;
    case 9:
        c.ProfileID = 7; // the same profile, but not the same value
        break;
    case 10:
        active.dpi ^= 1;
        break;
    case 11:
        active.LedMoveOFF = 0;
        break;
    case 12:
        active.LedSleepTime = 7;
        break;
    }
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), int(ProfileRules::ChangeGeneral));
}

void TestProfileRules::dpiChanges()
{
    TestAppFolder folder;
    const MouseConfig snapshot = busyConfig();
    MouseConfig c = snapshot;
    c.Profile[4].DpiInfo[7].used = 0;
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), int(ProfileRules::ChangeDpi));
    c = snapshot;
    c.Profile[0].DpiInfo[0].x += 1;
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), int(ProfileRules::ChangeDpi));
    c = snapshot;
    c.Profile[2].DpiInfo[3].y = 0;
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), int(ProfileRules::ChangeDpi));
    // The active level changing alongside is a general change as well.
    c.Profile[2].dpi = 7;
    QCOMPARE(ProfileRules::detectChanges(c, snapshot),
             ProfileRules::ChangeDpi | ProfileRules::ChangeGeneral);
}

void TestProfileRules::buttonChanges()
{
    TestAppFolder folder;
    const MouseConfig snapshot = busyConfig();
    const int buttons = ProfileRules::ChangeButtons;
    MouseConfig c = snapshot;
    c.Profile[3].ButtonInfo[17].KeyInfo[83][2] = 1; // last byte of a non-macro record
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), buttons);
    c = snapshot;
    c.Profile[0].ButtonInfo[41].Fun = 43;
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), buttons);
    c = snapshot;
    c.Profile[1].ButtonInfo[2].Res3 = 1;
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), buttons);
    c = snapshot;
    c.Profile[1].ButtonInfo[2].ID = 5;
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), buttons);
    c = snapshot;
    c.Profile[4].ButtonInfo[39].LoopNumber = 2;
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), buttons);

    // Macro records: the name and the event list count, the file is not needed for that.
    MouseConfig macroSnapshot = snapshot;
    macroSnapshot.Profile[0].ButtonInfo[6].Fun = ButtonAssignment::kMacroFunction;
    macroSnapshot.Profile[0].ButtonInfo[6].macroname = "absent";
    QCOMPARE(ProfileRules::detectChanges(macroSnapshot, macroSnapshot), 0);
    c = macroSnapshot;
    c.Profile[0].ButtonInfo[6].macroname = "other";
    QCOMPARE(ProfileRules::detectChanges(c, macroSnapshot), buttons);
    c = macroSnapshot;
    c.Profile[0].ButtonInfo[6].KeyInfo[0][0] = 0x84;
    QCOMPARE(ProfileRules::detectChanges(c, macroSnapshot), buttons);
}

void TestProfileRules::macroWriteSignCountsOnce()
{
    TestAppFolder folder;
    writeMacro("Burst", 1);
    writeMacro("Quiet", 0);
    MouseConfig c = busyConfig();
    c.Profile[2].ButtonInfo[4].Fun = ButtonAssignment::kMacroFunction;
    c.Profile[2].ButtonInfo[4].macroname = "Quiet";
    QCOMPARE(ProfileRules::detectChanges(c, c), 0);
    c.Profile[3].ButtonInfo[9].Fun = ButtonAssignment::kMacroFunction;
    c.Profile[3].ButtonInfo[9].macroname = "Burst";
    const MouseConfig snapshot = c;
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), int(ProfileRules::ChangeButtons));
    QCOMPARE(writeSignOf("Burst"), 0);
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), 0);
    QCOMPARE(writeSignOf("Quiet"), 0);
    // Saved again from the editor: reported again.
    writeMacro("Burst", 1);
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), int(ProfileRules::ChangeButtons));
    QCOMPARE(writeSignOf("Burst"), 0);
    QVERIFY(!QFile::exists(macroPath("absent")));
}

void TestProfileRules::macroWriteSignAfterAnEarlierDifference()
{
    // The button comparison stops at the first difference, so a later macro keeps its flag
    // for the next write (which sends every group anyway).
    TestAppFolder folder;
    writeMacro("Later", 1);
    MouseConfig snapshot = busyConfig();
    snapshot.Profile[1].ButtonInfo[0].Fun = ButtonAssignment::kMacroFunction;
    snapshot.Profile[1].ButtonInfo[0].macroname = "Later";
    MouseConfig c = snapshot;
    c.Profile[0].ButtonInfo[3].Fun = 16;
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), int(ProfileRules::ChangeButtons));
    QCOMPARE(writeSignOf("Later"), 1);
    QCOMPARE(ProfileRules::detectChanges(snapshot, snapshot), int(ProfileRules::ChangeButtons));
    QCOMPARE(writeSignOf("Later"), 0);
}

void TestProfileRules::lightingChanges()
{
    TestAppFolder folder;
    const MouseConfig snapshot = busyConfig();
    const int lighting = ProfileRules::ChangeLighting;
    MouseConfig c = snapshot;
    c.Profile[1].LedInfo[2].colour = Qt::white; // profile 1's active mode
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), lighting);
    for (int field = 0; field < 5; ++field) {
        c = snapshot;
        LedSetting& led = c.Profile[4].LedInfo[5];
        quint32* values[] = {&led.h, &led.s, &led.v, &led.bright, &led.breath};
        *values[field] += 1;
        QCOMPARE(ProfileRules::detectChanges(c, snapshot), lighting);
    }
    // LedMode of an inactive profile: lighting only, even when both modes look the same.
    c = snapshot;
    c.Profile[0].LedMode = 11;
    c.Profile[0].LedInfo[11] = c.Profile[0].LedInfo[1];
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), lighting);
    // LedMode of the active profile: also general.
    c = snapshot;
    c.Profile[2].LedMode = 11;
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), lighting | ProfileRules::ChangeGeneral);
}

void TestProfileRules::outOfRangeIndexesAreSafe()
{
    TestAppFolder folder;
    MouseConfig snapshot = busyConfig();
    snapshot.ProfileID = 7; // reads as profile 2
    for (ProfileData& p : snapshot.Profile) {
        p.dpi = 250;
        p.LedMode = 200; // reads as mode 4
    }
    MouseConfig c = snapshot;
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), 0);
    c.Profile[0].LedInfo[200 % ProfileData::kLedModeCount].breath = 5;
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), int(ProfileRules::ChangeLighting));
    c = snapshot;
    c.Profile[2].LedSleepTime = 2;
    QCOMPARE(ProfileRules::detectChanges(c, snapshot), int(ProfileRules::ChangeGeneral));
}

QTEST_GUILESS_MAIN(TestProfileRules)
#include "tst_profilerules.moc"
