#include "ProfileKeyList.h"
#include "TestAppFolder.h"
#include "model/AppPaths.h"
#include "model/DeviceDescription.h"
#include "model/GlobalRecords.h"
#include "model/IniFileCheck.h"
#include "model/ProfileFiles.h"
#include "model/ProfileRecordIo.h"
#include "model/ProfileRules.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {
using ImportResult = ProfileFiles::ImportResult;

// Every field different from its neighbours and from the defaults, so that a key that lands on
// the wrong field, or two fields that share a key, cannot survive the round trip.
ProfileData distinctProfile(quint32 seed)
{
    QRandomGenerator rng(seed);
    const auto byte = [&] { return static_cast<quint8>(rng.bounded(1, 256)); };
    const auto word = [&] { return rng.generate(); };
    ProfileData p;
    p.pollrate = byte();
    p.dpi = byte() % 8;
    p.LedMode = byte() % 14;
    p.LedMoveOFF = byte();
    p.LedSleepTime = byte();
    for (DpiLevel& d : p.DpiInfo) {
        d.used = byte();
        d.link = byte();
        d.xy = word();
        d.x = word();
        d.y = word();
    }
    p.mousespeed = byte();
    p.dbclickspeed = byte();
    p.scrollispage = byte();
    p.scrollspeed = byte();
    p.accelenable = byte();
    p.acee = byte();
    for (int b = 0; b < ProfileData::kButtonCount; ++b) {
        ButtonAssignment& btn = p.ButtonInfo[b];
        btn.ID = static_cast<qint32>(word());
        btn.Fun = static_cast<qint32>(word());
        btn.LoopNumber = -static_cast<qint32>(rng.bounded(1, 1000000));
        btn.KeyNumber = static_cast<qint32>(word());
        for (auto& event : btn.KeyInfo)
            for (quint8& v : event)
                v = byte();
        btn.Res1 = byte();
        btn.Res2 = byte();
        btn.Res3 = byte();
        btn.Res4 = byte();
        btn.macroname = QStringLiteral("macro %1, \"q\"; =@x").arg(b);
    }
    for (LedSetting& led : p.LedInfo) {
        led.colour = QColor(byte(), byte(), byte(), byte());
        led.h = word();
        led.s = word();
        led.v = word();
        led.bright = word();
        led.breath = word();
    }
    p.ProfileName = QStringLiteral("@Name %1 \u00e9\u4e2d, [x]; y=z #").arg(seed);
    p.ProfilePath = QStringLiteral("C:\\Path\\%1\\with\\backslashes").arg(seed);
    return p;
}

MouseConfig distinctConfig(quint32 seed)
{
    MouseConfig c;
    c.ProfileID = 3;
    c.AngleValue = 11;
    c.LiftHigh = 12;
    c.Sync = 13;
    c.Count = 14;
    c.Jitter = 15;
    c.Debounce = 16;
    c.Wake = 17;
    c.SensorMode = 18;
    for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
        c.Profile[i] = distinctProfile(seed + static_cast<quint32>(i));
        c.ProfileNames[i] = QStringLiteral("Slot %1").arg(i + 1);
    }
    return c;
}

ProfileData missingFileProfile()
{
    ProfileData p;
    p.LedMoveOFF = 255;
    p.LedSleepTime = 1;
    return p;
}

QStringList expectedProfileKeys()
{
    QStringList keys = profileRecordKeys();
    keys.sort();
    return keys;
}

QStringList keysOfGroup(const QString& path, const QString& group)
{
    QSettings s(path, QSettings::IniFormat);
    s.beginGroup(group);
    QStringList keys = s.allKeys();
    keys.sort();
    return keys;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file and folder below `root` with a digest of its contents.
QStringList tree(const QString& root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QString entry = QDir(root).relativeFilePath(path);
        if (it.fileInfo().isFile())
            entry +=
                " " + QCryptographicHash::hash(readFile(path), QCryptographicHash::Md5).toHex();
        entries << entry;
    }
    entries.sort();
    return entries;
}

// Contents that are no INI text, or that QSettings takes seconds or minutes over.
QByteArray garbage(const QString& kind)
{
    QRandomGenerator rng(7);
    if (kind == "empty")
        return QByteArray();
    if (kind == "binary") {
        QByteArray b(1 << 20, Qt::Uninitialized);
        for (char& c : b)
            c = static_cast<char>(rng.bounded(256));
        return b;
    }
    if (kind == "unclosed sections") {
        // A megabyte of this takes QSettings about a quarter of a minute to parse.
        QByteArray b;
        while (b.size() < (1 << 20))
            b += "[PROFILE\npollrate=8\n";
        return b;
    }
    if (kind == "truncated header")
        return QByteArray("[PROFI");
    if (kind == "50 MB") {
        QByteArray b(50 << 20, Qt::Uninitialized);
        for (int i = 0; i < b.size(); ++i)
            b[i] = (i % 20 == 19) ? '\n' : (i % 20 == 5 ? '=' : char('a' + rng.bounded(26)));
        return b;
    }
    return QByteArray();
}
} // namespace

class TestProfileFiles : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestAppFolder> m_folder;

private slots:
    void init()
    {
        m_folder = std::make_unique<TestAppFolder>(QStringLiteral("hornbeam"));
        QVERIFY(m_folder->isValid());
        QCOMPARE(DeviceDescription::productName(), QStringLiteral("HORNBEAM"));
    }
    void cleanup() { m_folder.reset(); }

    void profileRoundTripsEveryField()
    {
        const ProfileData saved = distinctProfile(1);
        const QString path = ProfileFiles::profilePath(QStringLiteral("Round"));
        QVERIFY(ProfileFiles::saveProfile(saved, path));

        // ProfileData's == compares every field, KeyInfo bytes and colour alpha included.
        ProfileData loaded = distinctProfile(99);
        QVERIFY(ProfileFiles::loadProfile(loaded, path));
        QCOMPARE(loaded.ProfileName, saved.ProfileName);
        QVERIFY(loaded == saved);

        // The file holds exactly the keys of the format, nested lighting keys included.
        const QStringList keys = keysOfGroup(path, QStringLiteral("PROFILE"));
        QCOMPARE(keys.size(), ProfileRecordIo::kKeyCount);
        QCOMPARE(keys, expectedProfileKeys());

        // Saving again over the same file gives the new record, not a mixture.
        const ProfileData second = distinctProfile(2);
        QVERIFY(ProfileFiles::saveProfileByName(second, QStringLiteral("Round")));
        QVERIFY(ProfileFiles::loadProfileByName(loaded, QStringLiteral("Round")));
        QVERIFY(loaded == second);
    }

    void fileTextUsesTheFormatsKeys()
    {
        ProfileData p;
        p.ButtonInfo[3].KeyInfo[7][0] = 0x11;
        p.ButtonInfo[3].KeyInfo[7][1] = 0xA5;
        p.ButtonInfo[3].KeyInfo[7][2] = 0x5A;
        p.LedInfo[2].colour = QColor(255, 0, 0);
        const QString path = ProfileFiles::profilePath(QStringLiteral("Text"));
        QVERIFY(ProfileFiles::saveProfile(p, path));
        const QByteArray text = readFile(path);
        QVERIFY(text.startsWith("[PROFILE]\n"));
        QVERIFY(text.contains("\nBUTTON_INFO_3_KeyInfo_7_=165\n"));
        QVERIFY(text.contains("\nBUTTON_INFO_3_KeyInfo_7_map=17\n"));
        QVERIFY(text.contains("\nBUTTON_INFO_3_KeyInfo_7_H=90\n"));
        QVERIFY(text.contains("\nLedMode\\LED_MODE_2_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff"
                              "\\xff\\0\\0\\0\\0\\0\\0)\n"));
        // A reader that trims the underscore finds nothing.
        QVERIFY(!QSettings(path, QSettings::IniFormat).contains("PROFILE/BUTTON_INFO_3_KeyInfo_7"));
    }

    void absentKeysAndOddValues()
    {
        const QString path = ProfileFiles::profilePath(QStringLiteral("Odd"));
        ProfileData p = distinctProfile(3);
        QVERIFY(!ProfileFiles::loadProfile(p, path));
        QVERIFY(p == missingFileProfile());

        writeFile(path, "[PROFILE]\npollrate=300\ndpi=9\nLedMode=20\nscrollspeed=fast\n"
                        "DPI_INFO_0_x=4294967295\nBUTTON_INFO_0_Fun=-7\n"
                        "BUTTON_INFO_0_KeyInfo_0_=511\n");
        p = distinctProfile(4);
        QVERIFY(ProfileFiles::loadProfile(p, path));
        QCOMPARE(p.pollrate, quint8(44)); // low 8 bits of 300
        QCOMPARE(p.scrollspeed, quint8(0));
        QCOMPARE(p.DpiInfo[0].x, 4294967295u);
        QCOMPARE(p.ButtonInfo[0].Fun, -7);
        QCOMPARE(p.ButtonInfo[0].KeyInfo[0][1], quint8(255));
        QCOMPARE(p.LedMoveOFF, quint8(255));
        QCOMPARE(p.LedSleepTime, quint8(1));
        // Out-of-range indexes are kept as read; lookups through them stay inside the tables.
        QCOMPARE(p.dpi, quint8(9));
        QCOMPARE(p.LedMode, quint8(20));
        QVERIFY(&p.activeDpiLevel() == &p.DpiInfo[1]);
        QVERIFY(&p.activeLed() == &p.LedInfo[6]);
    }

    void damagedFilesLoadAsDefaults_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind :
             {"empty", "binary", "unclosed sections", "truncated header", "50 MB"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void damagedFilesLoadAsDefaults()
    {
        QFETCH(QString, kind);
        const QByteArray bytes = garbage(kind);
        const QString profile = ProfileFiles::profilePath(QStringLiteral("Profile 1"));
        writeFile(profile, bytes);
        writeFile(AppPaths::configIni(), bytes);

        ProfileData p = distinctProfile(5);
        ProfileFiles::loadProfile(p, profile);
        QVERIFY(p == missingFileProfile());

        MouseConfig c = distinctConfig(6);
        ProfileFiles::loadConfiguration(c);
        QCOMPARE(c.ProfileID, quint8(0));
        QCOMPARE(c.AngleValue, quint8(0));
        QCOMPARE(c.SensorMode, quint8(0));
        QCOMPARE(c.Count, quint8(0));
        for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
            QVERIFY(c.ProfileNames[i].isEmpty());
            QVERIFY(c.Profile[i] == missingFileProfile());
        }
        QCOMPARE(ProfileFiles::readFullWriteFlag(), 0);
        QCOMPARE(ProfileFiles::readIdentity(profile), QString());
        // What is left of a damaged file is read like any INI text, and names no model.
        QCOMPARE(ProfileFiles::importConfiguration(c, profile), ImportResult::Mismatch);

        // Saving over such a file replaces it.
        const MouseConfig saved = distinctConfig(7);
        MouseConfig named = saved;
        named.ProfileNames[0] = QStringLiteral("Profile 1");
        QVERIFY(ProfileFiles::saveConfiguration(named));
        QVERIFY(ProfileFiles::loadProfile(p, profile));
        QVERIFY(p == saved.Profile[0]);
        QVERIFY(IniFileCheck::isReadable(AppPaths::configIni()));
        QCOMPARE(
            QSettings(AppPaths::configIni(), QSettings::IniFormat).value("Config/Wake").toInt(),
            17);
    }

    void foldersAreNeitherReadNorReplaced()
    {
        const QString path = ProfileFiles::profilePath(QStringLiteral("Folder"));
        QVERIFY(QDir().mkpath(path + "/inside"));
        ProfileData p = distinctProfile(9);
        QVERIFY(!ProfileFiles::loadProfile(p, path));
        QVERIFY(p == missingFileProfile());
        QVERIFY(!ProfileFiles::saveProfile(distinctProfile(9), path));
        QVERIFY(!ProfileFiles::exportConfiguration(distinctConfig(9), path));
        QVERIFY(QFileInfo(path + "/inside").isDir());

        // The profile is written but the settings file cannot be: the save is no success.
        QVERIFY(QFile::remove(AppPaths::configIni()) && QDir().mkpath(AppPaths::configIni()));
        MouseConfig c = distinctConfig(9);
        c.ProfileNames[0] = QStringLiteral("Written");
        QVERIFY(!ProfileFiles::saveConfiguration(c));
    }

    void truncatedProfileKeepsWhatIsLeft()
    {
        const QString path = ProfileFiles::profilePath(QStringLiteral("Cut"));
        const ProfileData saved = distinctProfile(8);
        QVERIFY(ProfileFiles::saveProfile(saved, path));
        QByteArray text = readFile(path);
        // Keys are sorted: the cut falls among the buttons, before the DPI and lighting keys.
        text.truncate(text.indexOf("\nBUTTON_INFO_2_KeyInfo_") + 5);
        writeFile(path, text);
        ProfileData p;
        QVERIFY(ProfileFiles::loadProfile(p, path));
        QCOMPARE(p.ButtonInfo[2].Fun, saved.ButtonInfo[2].Fun);
        QVERIFY(p.ButtonInfo[0].sameKeyInfo(saved.ButtonInfo[0]));
        QCOMPARE(p.ButtonInfo[3].Fun, 0);
        QCOMPARE(p.pollrate, quint8(0));
        QCOMPARE(p.LedMoveOFF, quint8(255));
    }

    void configurationLoadsSlotsAndMatrix()
    {
        // The sample installation names its slots "Profile 1" .. "Profile 5".
        MouseConfig expected = distinctConfig(10);
        for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
            expected.ProfileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
            QVERIFY(ProfileFiles::saveProfileByName(expected.Profile[i], expected.ProfileNames[i]));
        }
        QSettings(AppPaths::configIni(), QSettings::IniFormat).setValue("Config/ProfileID", 2);
        std::memset(GlobalRecords::buttonMatrix(), 0xEE, GlobalRecords::kMatrixSize);

        MouseConfig c;
        ProfileFiles::loadConfiguration(c);
        QCOMPARE(c.ProfileID, quint8(2));
        QCOMPARE(c.LiftHigh, quint8(1));
        QCOMPARE(c.Debounce, quint8(8));
        QCOMPARE(c.SensorMode, quint8(1));
        for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
            QCOMPARE(c.ProfileNames[i], expected.ProfileNames[i]);
            QVERIFY(c.Profile[i] == expected.Profile[i]);
        }
        quint8 matrix[GlobalRecords::kMatrixSize] = {};
        QCOMPARE(DeviceDescription::readButtonMatrix(matrix), 0);
        QVERIFY(std::memcmp(matrix, GlobalRecords::buttonMatrix(), sizeof matrix) == 0);
        QVERIFY(matrix[0] != 0xEE);

        QVERIFY(QFile::remove(AppPaths::configIni()));
        ProfileFiles::loadConfiguration(c);
        QCOMPARE(c.LiftHigh, quint8(0));
        QVERIFY(c.ProfileNames[0].isEmpty());
        QVERIFY(c.Profile[0] == missingFileProfile());
    }

    void activeSlotOutsideTheFiveLoadsAsZero_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("4") << "4" << 4;
        QTest::newRow("5") << "5" << 0;
        QTest::newRow("-1") << "-1" << 0;
        QTest::newRow("260") << "260" << 0; // its low byte would be a valid slot
        QTest::newRow("text") << "two" << 0;
    }
    void activeSlotOutsideTheFiveLoadsAsZero()
    {
        QFETCH(QString, value);
        QFETCH(int, expected);
        writeFile(AppPaths::configIni(), "[Config]\nProfileID=" + value.toLatin1() + "\n");
        MouseConfig c;
        ProfileFiles::loadConfiguration(c);
        QCOMPARE(int(c.ProfileID), expected);
        QCOMPARE(int(c.activeProfile().LedMoveOFF), 255);
    }

    void saveConfigurationWritesSlotZeroOnly()
    {
        const QStringList before = tree(m_folder->path());
        MouseConfig c = distinctConfig(20);
        c.ProfileNames[0] = QStringLiteral("Alpha");
        QVERIFY(ProfileFiles::saveConfiguration(c));

        QSettings s(AppPaths::configIni(), QSettings::IniFormat);
        QCOMPARE(s.value("Config/Profile1").toString(), QStringLiteral("Alpha"));
        for (int i = 2; i <= 5; ++i)
            QCOMPARE(s.value(QStringLiteral("Config/Profile%1").arg(i)).toString(),
                     QStringLiteral("Profile %1").arg(i));
        QCOMPARE(s.value("Config/ProfileID").toInt(), 3);
        int value = 11; // distinctConfig() numbers these fields from 11 on
        for (const char* key : {"AngleValue", "LiftHigh", "Sync", "Count", "Jitter", "Debounce",
                                "Wake", "SensorMode"})
            QCOMPARE(s.value(QStringLiteral("Config/") + key).toInt(), value++);
        // The application settings sharing the file survive.
        QCOMPARE(s.value("MouseSenSor/1").toInt(), 3389);

        // Besides Config.ini only slot 0's file is new; no other profile file changed.
        QStringList after = tree(m_folder->path());
        const auto isConfigIni = [](const QString& e) {
            return e.startsWith("Configs/Config.ini ");
        };
        QStringList unchanged = before;
        unchanged.erase(std::remove_if(unchanged.begin(), unchanged.end(), isConfigIni),
                        unchanged.end());
        after.erase(std::remove_if(after.begin(), after.end(), isConfigIni), after.end());
        if (!unchanged.contains("Configs/Profile"))
            QVERIFY(after.removeOne("Configs/Profile"));
        const QStringList alpha =
            after.filter(QRegularExpression("^Configs/Profile/Alpha\\.prof "));
        QCOMPARE(alpha.size(), 1);
        after.removeOne(alpha.first());
        QCOMPARE(after, unchanged);
        ProfileData p;
        QVERIFY(ProfileFiles::loadProfileByName(p, QStringLiteral("Alpha")));
        QVERIFY(p == c.Profile[0]);
    }

    void slotsActiveSlotAndFullWriteFlag()
    {
        MouseConfig c = distinctConfig(30);
        QVERIFY(ProfileFiles::saveSlots(c));
        QVERIFY(ProfileFiles::saveActiveSlot(1));
        QVERIFY(!ProfileFiles::saveActiveSlot(5));
        QVERIFY(!ProfileFiles::saveActiveSlot(-1));
        QVERIFY(ProfileFiles::writeFullWriteFlag(1));
        QCOMPARE(ProfileFiles::readFullWriteFlag(), 1);
        {
            QSettings s(AppPaths::configIni(), QSettings::IniFormat);
            QCOMPARE(s.value("Config/ProfileID").toInt(), 1);
            QCOMPARE(s.value("Config/Count").toInt(), 14);
            QCOMPARE(s.value("Config/Profile5").toString(), QStringLiteral("Slot 5"));
            QCOMPARE(s.value("Config/AngleValue").toInt(), 0); // not a slot value
        }
        QVERIFY(ProfileFiles::writeFullWriteFlag(0));
        QCOMPARE(ProfileFiles::readFullWriteFlag(), 0);
    }

    void storeDpiLevelWritesAtOnce()
    {
        const QString path = ProfileFiles::profilePath(QStringLiteral("Profile 1"));
        const ProfileData saved = distinctProfile(40);
        QVERIFY(ProfileFiles::saveProfile(saved, path));
        QSettings longLived(path, QSettings::IniFormat);
        ProfileFiles::storeDpiLevel(longLived, 6);
        QVERIFY(readFile(path).contains("\ndpi=6\n"));
        ProfileData p;
        QVERIFY(ProfileFiles::loadProfile(p, path));
        QCOMPARE(p.dpi, quint8(6));
        p.dpi = saved.dpi;
        QVERIFY(p == saved);
    }

    void configurationExportLeavesOutSleepFields()
    {
        const MouseConfig exported = distinctConfig(50);
        const QString path = m_folder->path() + "/out.conf";
        writeFile(path, "[Stale]\nkey=1\n");
        QVERIFY(ProfileFiles::exportConfiguration(exported, path));

        QSettings s(path, QSettings::IniFormat);
        QCOMPARE(s.value("MouseName/Name").toString(), QStringLiteral("HORNBEAM"));
        QVERIFY(!s.contains("Stale/key"));
        QCOMPARE(s.value("Config/SensorMode").toInt(), 18);
        for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
            const QString group = QStringLiteral("PROFILE_%1").arg(i);
            const QStringList keys = keysOfGroup(path, group);
            QCOMPARE(keys.size(), ProfileRecordIo::kKeyCount - 2);
            QVERIFY(!keys.contains("LedMoveOFF"));
            QVERIFY(!keys.contains("LedSleepTime"));
        }

        MouseConfig imported = distinctConfig(60);
        const MouseConfig before = imported;
        QCOMPARE(ProfileFiles::importConfiguration(imported, path), ImportResult::Imported);
        QCOMPARE(imported.ProfileID, exported.ProfileID);
        QCOMPARE(imported.Count, exported.Count);
        QCOMPARE(imported.Wake, exported.Wake);
        for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
            ProfileData expected = exported.Profile[i];
            expected.LedMoveOFF = before.Profile[i].LedMoveOFF;
            expected.LedSleepTime = before.Profile[i].LedSleepTime;
            QVERIFY(imported.Profile[i] == expected);
            // The export carries no slot names; the slots keep theirs.
            QCOMPARE(imported.ProfileNames[i], before.ProfileNames[i]);
        }

        // A file that carries slot names hands over those that can name a file.
        s.setValue("Config/Profile2", "Imported two");
        s.setValue("Config/Profile3", "../outside");
        s.sync();
        QCOMPARE(ProfileFiles::importConfiguration(imported, path), ImportResult::Imported);
        QCOMPARE(imported.ProfileNames[1], QStringLiteral("Imported two"));
        QCOMPARE(imported.ProfileNames[2], before.ProfileNames[2]);
    }

    void importOfAnotherModelChangesNothing()
    {
        const QString path = m_folder->path() + "/other.conf";
        QVERIFY(ProfileFiles::exportConfiguration(distinctConfig(70), path));
        QSettings(path, QSettings::IniFormat).setValue("MouseName/Name", "LINDEN");
        MouseConfig c = distinctConfig(80);
        const MouseConfig before = c;
        QCOMPARE(ProfileFiles::importConfiguration(c, path), ImportResult::Mismatch);
        QVERIFY(c == before);

        QSettings(path, QSettings::IniFormat).remove("MouseName");
        QCOMPARE(ProfileFiles::importConfiguration(c, path), ImportResult::Mismatch);
        QCOMPARE(ProfileFiles::importConfiguration(c, path + ".missing"), ImportResult::Unreadable);
        QVERIFY(c == before);

        // A profile of another model is refused before anything is copied.
        const QString profile = m_folder->path() + "/Foreign.prof";
        QVERIFY(ProfileFiles::saveProfile(distinctProfile(81), profile));
        QSettings(profile, QSettings::IniFormat).setValue("MouseName/Name", "LINDEN");
        const QStringList list = ProfileFiles::loadProfileList();
        ProfileData p = before.Profile[0];
        QCOMPARE(ProfileFiles::importProfile(p, profile), ImportResult::Mismatch);
        QVERIFY(p == before.Profile[0]);
        QVERIFY(!QFile::exists(ProfileFiles::modelProfilePath(QStringLiteral("Foreign"))));
        QCOMPARE(ProfileFiles::loadProfileList(), list);
    }

    void profileExportAndImport()
    {
        const ProfileData game = distinctProfile(90);
        const QString source = ProfileFiles::modelProfilePath(QStringLiteral("Game"));
        QVERIFY(ProfileFiles::saveProfile(game, source));
        const QString target = m_folder->path() + "/export/Shared.v2.prof";
        QDir().mkpath(QFileInfo(target).path());
        writeFile(target, "old content");
        QVERIFY(ProfileFiles::exportProfile(QStringLiteral("Game"), target));
        QCOMPARE(readFile(target), readFile(source));
        QCOMPARE(ProfileFiles::readIdentity(target), QStringLiteral("HORNBEAM"));
        // Exporting a profile onto its own file leaves it intact.
        QVERIFY(ProfileFiles::exportProfile(QStringLiteral("Game"), source));
        QCOMPARE(readFile(target), readFile(source));

        // A name without a per-model file exports nothing.
        QVERIFY(!ProfileFiles::exportProfile(QStringLiteral("Nothing"), target + ".x"));
        QVERIFY(!QFile::exists(target + ".x"));
        QVERIFY(!QFile::exists(ProfileFiles::modelProfilePath(QStringLiteral("Nothing"))));

        QVERIFY(ProfileFiles::saveProfileList({"Profile 1", "Game"}));
        ProfileData p;
        QString name;
        QCOMPARE(ProfileFiles::importProfile(p, target, &name), ImportResult::Imported);
        QCOMPARE(name, QStringLiteral("Shared.v2"));
        QVERIFY(p == game);
        QCOMPARE(readFile(ProfileFiles::modelProfilePath(name)), readFile(target));
        QCOMPARE(ProfileFiles::loadProfileList(), (QStringList{"Profile 1", "Game", "Shared.v2"}));
        QCOMPARE(ProfileFiles::importProfile(p, target), ImportResult::NameExists);
        QCOMPARE(ProfileFiles::loadProfileList().size(), 3);
    }

    void refusedNamesReachNoPath()
    {
        const QStringList before = tree(m_folder->path());
        const ProfileData p = distinctProfile(100);
        for (const QString& bad : {QStringLiteral("../escape"), QStringLiteral(".."),
                                   QStringLiteral("a/b"), QStringLiteral("a\\b"), QString()}) {
            QVERIFY(ProfileFiles::profilePath(bad).isEmpty());
            QVERIFY(!ProfileFiles::saveProfileByName(p, bad));
            ProfileData loaded = p;
            QVERIFY(!ProfileFiles::loadProfileByName(loaded, bad));
            QVERIFY(loaded == p);
            QVERIFY(!ProfileFiles::exportProfile(bad, m_folder->path() + "/x.prof"));
            QVERIFY(!ProfileFiles::saveProfileList({"Profile 1", bad}));
            MouseConfig c = distinctConfig(101);
            c.ProfileNames[0] = bad;
            QVERIFY(!ProfileFiles::saveConfiguration(c));
        }
        QCOMPARE(tree(m_folder->path()), before);

        // A slot name in Config.ini that leaves the folder loads as a missing file.
        QVERIFY(ProfileFiles::saveProfile(p, AppPaths::configDir() + "/outside.prof"));
        QSettings(AppPaths::configIni(), QSettings::IniFormat)
            .setValue("Config/Profile1", "../outside");
        MouseConfig c;
        ProfileFiles::loadConfiguration(c);
        QCOMPARE(c.ProfileNames[0], QStringLiteral("../outside"));
        QVERIFY(c.Profile[0] == missingFileProfile());

        // An imported file whose base name cannot name a profile is not copied.
        const QString hidden = m_folder->path() + "/.prof";
        QVERIFY(ProfileFiles::saveProfile(p, hidden));
        QVERIFY(ProfileFiles::writeIdentity(hidden));
        const QStringList beforeImport = tree(AppPaths::configDir());
        ProfileData target;
        QCOMPARE(ProfileFiles::importProfile(target, hidden), ImportResult::NameRefused);
        QCOMPARE(tree(AppPaths::configDir()), beforeImport);
    }

    void factoryProfileIsRewrittenEachTime()
    {
        ProfileData expected;
        ProfileRules::buildDefaultProfile(expected);
        const QString path = AppPaths::profileDir() + "/DefaultProfile.prof";
        QVERIFY(ProfileFiles::writeFactoryProfile());
        ProfileData p;
        QVERIFY(ProfileFiles::loadProfile(p, path));
        QVERIFY(p == expected);

        QVERIFY(ProfileFiles::saveProfile(distinctProfile(110), path));
        QSettings(path, QSettings::IniFormat).setValue("PROFILE/Stray", 1);
        QVERIFY(ProfileFiles::writeFactoryProfile());
        QVERIFY(ProfileFiles::loadProfile(p, path));
        QVERIFY(p == expected);
        QVERIFY(!QSettings(path, QSettings::IniFormat).contains("PROFILE/Stray"));
    }

    void sampleInstallationsHoldTheFactoryProfile_data()
    {
        QTest::addColumn<QString>("model");
        QTest::newRow("hornbeam") << "hornbeam";
        QTest::newRow("linden") << "linden";
    }
    void sampleInstallationsHoldTheFactoryProfile()
    {
        QFETCH(QString, model);
        m_folder.reset();
        m_folder = std::make_unique<TestAppFolder>(model);
        QVERIFY(m_folder->isValid());
        QVERIFY(DeviceDescription::buttonCount() > 0);
        ProfileData factory;
        ProfileRules::buildDefaultProfile(factory);

        MouseConfig c;
        ProfileFiles::loadConfiguration(c);
        for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
            QCOMPARE(c.ProfileNames[i], QStringLiteral("Profile %1").arg(i + 1));
            QVERIFY(QFile::exists(ProfileFiles::profilePath(c.ProfileNames[i])));
            QVERIFY(c.Profile[i] == factory);
        }
        const QStringList list = ProfileFiles::loadProfileList();
        QCOMPARE(list.size(), MouseConfig::kProfileCount);
        for (const QString& name : list) {
            ProfileData p;
            QVERIFY(ProfileFiles::loadProfile(p, ProfileFiles::modelProfilePath(name)));
            QVERIFY(p == factory);
        }
        ProfileData p;
        QVERIFY(ProfileFiles::loadProfile(p, ProfileFiles::modelProfilePath("DefaultProfile")));
        QVERIFY(p == factory);
    }

    void profileListRoundTrip()
    {
        const QStringList names{"Profile 1", "Game, fast", "\u4e2d\u6587", "x=y", "@home", "Last"};
        QVERIFY(ProfileFiles::saveProfileList(names));
        QCOMPARE(ProfileFiles::loadProfileList(), names);
        const QString ini = AppPaths::modelConfigIni("HORNBEAM");
        QCOMPARE(QSettings(ini, QSettings::IniFormat).value("PROFILE_LIST/Count").toInt(), 6);

        // A shorter list leaves no stale entries behind.
        QVERIFY(ProfileFiles::saveProfileList({"Only"}));
        QCOMPARE(ProfileFiles::loadProfileList(), QStringList{"Only"});
        QVERIFY(!QSettings(ini, QSettings::IniFormat).contains("PROFILE_LIST/2"));

        // A damaged count reads no further than the entries there are.
        QSettings(ini, QSettings::IniFormat).setValue("PROFILE_LIST/Count", 2147483647);
        QCOMPARE(ProfileFiles::loadProfileList(), QStringList{"Only"});
        writeFile(ini, "[PROFILE_LIST]\nCount=4\n1=A\n2=../B\n4=D\n");
        QCOMPARE(ProfileFiles::loadProfileList(), (QStringList{"A", "D"}));
        QVERIFY(ProfileFiles::saveProfileList({}));
        QCOMPARE(ProfileFiles::loadProfileList(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestProfileFiles)
#include "tst_profilefiles.moc"
