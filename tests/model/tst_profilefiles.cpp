#include "ProfileKeyList.h"
#include "TestAppFolder.h"
#include "TestFiles.h"
#include "device/WriteGuard.h"
#include "model/AppPaths.h"
#include "model/DeviceDescription.h"
#include "model/DpiLevelStore.h"
#include "model/GlobalRecords.h"
#include "model/IniFileCheck.h"
#include "model/ProfileFiles.h"
#include "model/ProfileRecordIo.h"
#include "model/ProfileRules.h"
#include "model/SetAsideFiles.h"
#include "model/SettingsFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
    int value = 11; // saveConfigurationWritesTheActiveSlotOnly() expects this order
    for (quint8* f : {&c.AngleValue, &c.LiftHigh, &c.Sync, &c.Count, &c.Jitter, &c.Debounce,
                      &c.Wake, &c.SensorMode})
        *f = quint8(value++);
    for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
        c.Profile[i] = distinctProfile(seed + static_cast<quint32>(i));
        c.ProfileNames[i] = QStringLiteral("Slot %1").arg(i + 1);
    }
    return c;
}

// What a slot gets from a file that is missing, unreadable or empty: never zeros, the factory.
ProfileData missingFileProfile()
{
    ProfileData p;
    ProfileRules::buildDefaultProfile(p);
    return p;
}

QStringList keysOfGroup(const QString& path, const QString& group)
{
    QSettings s(path, QSettings::IniFormat);
    s.beginGroup(group);
    QStringList keys = s.allKeys();
    keys.sort();
    return keys;
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
                " " +
                QCryptographicHash::hash(TestFiles::read(path), QCryptographicHash::Md5).toHex();
        entries << entry;
    }
    entries.sort();
    return entries;
}

// Runs `save` in a child process whose files may not grow beyond `limit` bytes, as on a full
// disk; the child reports the save's result and reason through a pipe.
QByteArray saveInChild(rlim_t limit, bool (*save)())
{
    int fds[2];
    if (pipe(fds) != 0)
        return "no pipe";
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        signal(SIGXFSZ, SIG_IGN);
        const rlimit small{limit, limit};
        setrlimit(RLIMIT_FSIZE, &small);
        ProfileFiles::takeSaveError(); // earlier tests' failures
        const bool saved = save();
        const QByteArray report =
            (saved ? "saved " : "failed ") + ProfileFiles::takeSaveError().reason.toUtf8();
        ssize_t written = write(fds[1], report.constData(), size_t(report.size()));
        _exit(written == report.size() ? 0 : 1);
    }
    close(fds[1]);
    QByteArray report;
    char buffer[256];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, int(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return report;
}

bool saveSlotNames()
{
    return ProfileFiles::saveSlots(distinctConfig(120));
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
        QVERIFY(loaded == saved);

        // The file holds exactly the keys of the format, nested lighting keys included.
        QStringList expected = profileRecordKeys();
        expected.sort();
        QCOMPARE(keysOfGroup(path, QStringLiteral("PROFILE")), expected);

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
        const QByteArray text = TestFiles::read(path);
        QVERIFY(text.startsWith("[PROFILE]\n"));
        for (const char* line :
             {"\nBUTTON_INFO_3_KeyInfo_7_=165\n", "\nBUTTON_INFO_3_KeyInfo_7_map=17\n",
              "\nBUTTON_INFO_3_KeyInfo_7_H=90\n",
              "\nLedMode\\LED_MODE_2_RGB=@Variant("
              "\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0"
              "\\0\\0)\n"})
            QVERIFY2(text.contains(line), line);
    }

    void absentKeysAndOddValues()
    {
        const QString path = ProfileFiles::profilePath(QStringLiteral("Odd"));
        ProfileData p = distinctProfile(3);
        QVERIFY(!ProfileFiles::loadProfile(p, path));
        QVERIFY(p == missingFileProfile());

        QVERIFY(TestFiles::write(path,
                                 "[PROFILE]\npollrate=300\ndpi=9\nLedMode=20\nscrollspeed=fast\n"
                                 "DPI_INFO_0_x=4294967295\nBUTTON_INFO_0_Fun=-7\n"
                                 "BUTTON_INFO_0_KeyInfo_0_=511\n"));
        p = distinctProfile(4);
        QVERIFY(ProfileFiles::loadProfile(p, path));
        QCOMPARE(p.DpiInfo[0].x, 4294967295u);
        // pollrate keeps the low 8 bits of 300; out-of-range indexes (dpi) are kept as read,
        // lookups through them stay inside the tables.
        // Keys the file lacks keep the factory's values, not 0.
        const ProfileData f = missingFileProfile();
        QCOMPARE((QVector<int>{p.pollrate, p.scrollspeed, p.ButtonInfo[0].Fun,
                               p.ButtonInfo[0].KeyInfo[0][1], p.LedMoveOFF, p.LedSleepTime, p.dpi,
                               p.ButtonInfo[1].Fun, int(p.DpiInfo[0].y)}),
                 (QVector<int>{44, 0, -7, 255, f.LedMoveOFF, f.LedSleepTime, 9, f.ButtonInfo[1].Fun,
                               int(f.DpiInfo[0].y)}));
        QVERIFY(f.ButtonInfo[1].Fun != 0 && f.DpiInfo[0].y != 0);
        QVERIFY(&p.activeDpiLevel() == &p.DpiInfo[1]);
        QVERIFY(&p.activeLed() == &p.LedInfo[6]);
    }

    void damagedFilesLoadAsDefaults_data()
    {
        TestFiles::addDamagedRows();
        QTest::newRow("truncated header") << QByteArray("[PROFI");
    }
    void damagedFilesLoadAsDefaults()
    {
        QFETCH(QByteArray, content);
        const QString profile = ProfileFiles::profilePath(QStringLiteral("Profile 1"));
        QVERIFY(TestFiles::write(profile, content));
        QVERIFY(TestFiles::write(AppPaths::configIni(), content));

        ProfileData p = distinctProfile(5);
        ProfileFiles::loadProfile(p, profile);
        QVERIFY(p == missingFileProfile());
        MouseConfig c = distinctConfig(6);
        ProfileFiles::loadConfiguration(c);
        QCOMPARE(c.ProfileID, quint8(0));
        MouseConfig delivered;
        ProfileRules::resetDeviceWide(delivered);
        QCOMPARE(int(c.SensorMode), int(delivered.SensorMode));
        QCOMPARE(int(c.Debounce), int(delivered.Debounce));
        for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
            QCOMPARE(c.ProfileNames[i], QStringLiteral("Profile %1").arg(i + 1));
            QVERIFY(c.Profile[i] == missingFileProfile() || i > 0);
        }
        // A file set aside leaves the mouse's state unknown: the next write sends everything.
        QCOMPARE(ProfileFiles::readFullWriteFlag(), content.isEmpty() ? 0 : 1);
        // What is left of a damaged file is read like any INI text, and names no model.
        QCOMPARE(ProfileFiles::importConfiguration(c, profile), ImportResult::Mismatch);

        // Saving over such a file replaces it.
        MouseConfig saved = distinctConfig(7);
        saved.ProfileID = 0;
        saved.ProfileNames[0] = QStringLiteral("Profile 1");
        QVERIFY(ProfileFiles::saveConfiguration(saved));
        QVERIFY(ProfileFiles::loadProfile(p, profile));
        QVERIFY(p == saved.Profile[0]);
        QVERIFY(IniFileCheck::isReadable(AppPaths::configIni()));
        QCOMPARE(
            QSettings(AppPaths::configIni(), QSettings::IniFormat).value("Config/Wake").toInt(),
            17);
    }

    // However a slot's file or Config.ini is lost, every slot gets a profile the mouse can use,
    // and the user is told which file could not be read.
    void lostFilesLeaveAUsableMouse_data()
    {
        QTest::addColumn<QString>("file"); // "slot": slot 2's profile, "config": Config.ini
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("kind"); // what SetAsideFiles records, -1: nothing
        for (const char* file : {"slot", "config"}) {
            QTest::addRow("%s missing", file)
                << file << "missing" << int(file[0] == 's' ? SetAsideFiles::Missing : -1);
            QTest::addRow("%s empty", file) << file << "empty" << -1;
            QTest::addRow("%s a folder", file)
                << file << "folder" << int(SetAsideFiles::Unreadable);
            QTest::addRow("%s a pipe", file) << file << "fifo" << int(SetAsideFiles::Unreadable);
            QTest::addRow("%s -> /dev/zero", file)
                << file << "zero" << int(SetAsideFiles::Unreadable);
            QTest::addRow("%s mode 000", file) << file << "000" << int(SetAsideFiles::SetAside);
        }
    }
    void lostFilesLeaveAUsableMouse()
    {
        QFETCH(QString, file);
        QFETCH(QString, how);
        QFETCH(int, kind);
        // Root reads a file of mode 000: the load then runs in a child that is nobody.
        const bool bAsNobody = how == "000" && ::geteuid() == 0;
        if (bAsNobody)
            QCOMPARE(::system(qPrintable("chown -R 65534:65534 '" + m_folder->path() + "'")), 0);
        const QString path =
            file == "slot" ? ProfileFiles::profilePath("Profile 2") : AppPaths::configIni();
        const QByteArray original = TestFiles::read(path);
        QVERIFY(QFile::remove(path));
        if (how == "empty" || how == "000")
            QVERIFY(TestFiles::write(path, how == "000" ? original : QByteArray()));
        if (how == "folder")
            QVERIFY(QDir().mkpath(path));
        if (how == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (how == "zero")
            QVERIFY(QFile::link("/dev/zero", path));
        if (how == "000")
            QVERIFY(QFile::setPermissions(path, {}));
        if (file == "slot" && how == "missing")
            QVERIFY(QFile::remove(ProfileFiles::modelProfilePath("Profile 2")));
        SetAsideFiles::take();
        const pid_t child = bAsNobody ? ::fork() : 0;
        if (child > 0) {
            int status = -1;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            return;
        }
        if (bAsNobody && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        // In the child a failed check ends it with a non-zero status.
        struct ExitChild
        {
            bool bChild;
            ~ExitChild()
            {
                if (bChild)
                    ::_exit(QTest::currentTestFailed() ? 1 : 0);
            }
        } exitChild{bAsNobody};

        MouseConfig c;
        ProfileFiles::loadConfiguration(c);
        // Config.ini lost here, the sensor is lost with it (an installed tool has a second copy),
        // so the guard is asked with the sensor the file named.
        WriteGuard::Model model = WriteGuard::currentModel();
        model.iSensor = 3389;
        for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
            QCOMPARE(c.ProfileNames[i], QStringLiteral("Profile %1").arg(i + 1));
            QVERIFY2(WriteGuard::check(c.Profile[i], model).isEmpty(),
                     qPrintable(WriteGuard::check(c.Profile[i], model)));
        }
        // Config.ini lost, the slots still find their own files by the default names.
        ProfileData second;
        if (file == "config")
            QVERIFY(ProfileFiles::loadProfile(second, ProfileFiles::profilePath("Profile 2")) &&
                    c.Profile[1] == second);
        const QVector<SetAsideFiles::Entry> told = SetAsideFiles::take();
        QCOMPARE(told.size(), kind < 0 ? 0 : 1);
        if (kind >= 0) {
            QCOMPARE(told[0].path, path);
            QCOMPARE(int(told[0].kind), kind);
        }
        // An unreadable file of ours is kept aside whole, never overwritten by the next save.
        if (how == "000")
            QCOMPARE(QFileInfo(told[0].keptPath).size(), qint64(original.size()));
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

    void configurationLoadsSlotsAndMatrix()
    {
        // The sample installation names its slots "Profile 1" .. "Profile 5".
        MouseConfig expected = distinctConfig(10);
        for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
            expected.ProfileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
            QVERIFY(ProfileFiles::saveProfileByName(expected.Profile[i], expected.ProfileNames[i]));
        }
        std::memset(GlobalRecords::buttonMatrix(), 0xEE, GlobalRecords::kMatrixSize);

        MouseConfig c;
        ProfileFiles::loadConfiguration(c);
        QCOMPARE(c.LiftHigh, quint8(1));
        QCOMPARE(c.Debounce, quint8(8));
        for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
            QCOMPARE(c.ProfileNames[i], expected.ProfileNames[i]);
            QVERIFY(c.Profile[i] == expected.Profile[i]);
        }
        quint8 matrix[GlobalRecords::kMatrixSize] = {};
        QCOMPARE(DeviceDescription::readButtonMatrix(matrix), 0);
        QVERIFY(std::memcmp(matrix, GlobalRecords::buttonMatrix(), sizeof matrix) == 0);
    }

    void activeSlotOutsideTheFiveLoadsAsZero_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("4") << "4" << 4;
        QTest::newRow("5") << "5" << 0;
        QTest::newRow("-1") << "-1" << 0;
        QTest::newRow("260") << "260" << 0; // its low byte would be a valid slot
    }
    void activeSlotOutsideTheFiveLoadsAsZero()
    {
        QFETCH(QString, value);
        QFETCH(int, expected);
        QVERIFY(TestFiles::write(AppPaths::configIni(),
                                 "[Config]\nProfileID=" + value.toLatin1() + "\n"));
        MouseConfig c;
        ProfileFiles::loadConfiguration(c);
        QCOMPARE(int(c.ProfileID), expected);
    }

    void saveConfigurationWritesTheActiveSlotOnly()
    {
        const QStringList before = tree(m_folder->path());
        MouseConfig c = distinctConfig(20);
        c.ProfileNames[3] = QStringLiteral("Alpha");
        QVERIFY(ProfileFiles::saveConfiguration(c));

        QSettings s(AppPaths::configIni(), QSettings::IniFormat);
        QCOMPARE(s.value("Config/Profile4").toString(), QStringLiteral("Alpha"));
        QCOMPARE(s.value("Config/Profile1").toString(), QStringLiteral("Profile 1"));
        QCOMPARE(s.value("Config/Profile5").toString(), QStringLiteral("Profile 5"));
        QCOMPARE(s.value("Config/ProfileID").toInt(), 3);
        int value = 11; // distinctConfig() numbers these fields from 11 on
        for (const char* key : {"AngleValue", "LiftHigh", "Sync", "Count", "Jitter", "Debounce",
                                "Wake", "SensorMode"})
            QCOMPARE(s.value(QStringLiteral("Config/") + key).toInt(), value++);
        // The application settings sharing the file survive.
        QCOMPARE(s.value("MouseSenSor/1").toInt(), 3389);

        // Besides Config.ini only the active slot's file is new; no other file changed.
        const QRegularExpression written("^Configs/(Config\\.ini |Profile$|Profile/Alpha\\.prof )");
        const auto untouched = [&](const QStringList& entries) {
            QStringList out;
            for (const QString& e : entries)
                if (!written.match(e).hasMatch())
                    out << e;
            return out;
        };
        const QStringList after = tree(m_folder->path());
        QCOMPARE(after.filter(QRegularExpression("^Configs/Profile/Alpha\\.prof ")).size(), 1);
        QCOMPARE(untouched(after), untouched(before));
        ProfileData p;
        QVERIFY(ProfileFiles::loadProfileByName(p, QStringLiteral("Alpha")));
        QVERIFY(p == c.Profile[3]);
    }

    void slotsActiveSlotAndDpiLevel()
    {
        QVERIFY(ProfileFiles::saveSlots(distinctConfig(30)));
        QVERIFY(ProfileFiles::saveActiveSlot(1));
        QVERIFY(!ProfileFiles::saveActiveSlot(5));
        {
            QSettings s(AppPaths::configIni(), QSettings::IniFormat);
            QCOMPARE(s.value("Config/ProfileID").toInt(), 1);
            QCOMPARE(s.value("Config/Profile5").toString(), QStringLiteral("Slot 5"));
            QCOMPARE(s.value("Config/AngleValue").toInt(), 0); // not a slot value
        }

        // The DPI level goes on its own thread; a read of the file waits for it, the last of
        // quick presses wins, and nothing else in the file changes.
        const QString path = ProfileFiles::profilePath(QStringLiteral("Profile 1"));
        QVERIFY(ProfileFiles::saveProfile(distinctProfile(40), path));
        ProfileData expected;
        QVERIFY(ProfileFiles::loadProfile(expected, path));
        for (int level : {3, 5, 6})
            DpiLevelStore::store(path, level);
        ProfileData stored;
        QVERIFY(ProfileFiles::loadProfile(stored, path));
        expected.dpi = 6;
        QVERIFY(stored == expected);
        QVERIFY(TestFiles::read(path).contains("\ndpi=6\n"));
    }

    void configurationExportAndImport()
    {
        const MouseConfig exported = distinctConfig(50);
        const QString path = m_folder->path() + "/out.conf";
        QVERIFY(TestFiles::write(path, "[Stale]\nkey=1\n"));
        QVERIFY(ProfileFiles::exportConfiguration(exported, path));
        QSettings s(path, QSettings::IniFormat);
        QCOMPARE(s.value("MouseName/Name").toString(), QStringLiteral("HORNBEAM"));
        QVERIFY(!s.contains("Stale/key"));
        // The sleep fields stay out of an export and keep their values on import.
        QCOMPARE(keysOfGroup(path, "PROFILE_4").size(), ProfileRecordIo::kKeyCount - 2);
        MouseConfig imported = distinctConfig(60);
        const MouseConfig before = imported;
        QCOMPARE(ProfileFiles::importConfiguration(imported, path), ImportResult::Imported);
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

        // Another model's file, or one naming none, changes nothing.
        s.setValue("MouseName/Name", "LINDEN");
        s.sync();
        const MouseConfig kept = imported;
        QCOMPARE(ProfileFiles::importConfiguration(imported, path), ImportResult::Mismatch);
        s.remove("MouseName");
        s.sync();
        QCOMPARE(ProfileFiles::importConfiguration(imported, path), ImportResult::Mismatch);
        QCOMPARE(ProfileFiles::importConfiguration(imported, path + ".x"),
                 ImportResult::Unreadable);
        QVERIFY(imported == kept);
    }

    void profileExportAndImport()
    {
        const ProfileData game = distinctProfile(90);
        const QString source = ProfileFiles::modelProfilePath(QStringLiteral("Game"));
        QVERIFY(ProfileFiles::saveProfile(game, source));
        const QString target = m_folder->path() + "/export/Shared.v2.prof";
        QVERIFY(TestFiles::write(target, "old content"));
        QVERIFY(ProfileFiles::exportProfile(QStringLiteral("Game"), target));
        QCOMPARE(TestFiles::read(target), TestFiles::read(source));
        QCOMPARE(ProfileFiles::readIdentity(target), QStringLiteral("HORNBEAM"));
        // Exporting a profile onto its own file leaves it intact.
        QVERIFY(ProfileFiles::exportProfile(QStringLiteral("Game"), source));
        QCOMPARE(TestFiles::read(target), TestFiles::read(source));
        // A name without a per-model file exports nothing.
        QVERIFY(!ProfileFiles::exportProfile(QStringLiteral("Nothing"), target + ".x"));
        QVERIFY(!QFile::exists(target + ".x"));

        QVERIFY(ProfileFiles::saveProfileList({"Profile 1", "Game"}));
        ProfileData p;
        QString name;
        QCOMPARE(ProfileFiles::importProfile(p, target, &name), ImportResult::Imported);
        QCOMPARE(name, QStringLiteral("Shared.v2"));
        QVERIFY(p == game);
        QCOMPARE(ProfileFiles::loadProfileList(), (QStringList{"Profile 1", "Game", "Shared.v2"}));
        QCOMPARE(ProfileFiles::importProfile(p, target), ImportResult::NameExists);
    }

    void refusedNamesReachNoPath()
    {
        const QStringList before = tree(m_folder->path());
        const ProfileData p = distinctProfile(100);
        for (const QString& bad : {QStringLiteral("../escape"), QStringLiteral(".."),
                                   QStringLiteral("a\\b"), QStringLiteral("  "), QString()}) {
            QVERIFY(ProfileFiles::profilePath(bad).isEmpty());
            QVERIFY(!ProfileFiles::saveProfileByName(p, bad));
            ProfileData loaded = p;
            QVERIFY(!ProfileFiles::loadProfileByName(loaded, bad));
            QVERIFY(loaded == p);
            QVERIFY(!ProfileFiles::exportProfile(bad, m_folder->path() + "/x.prof"));
            QVERIFY(!ProfileFiles::saveProfileList({"Profile 1", bad}));
            MouseConfig c = distinctConfig(101);
            c.ProfileNames[c.ProfileID] = bad;
            QVERIFY(!ProfileFiles::saveConfiguration(c));
        }
        QCOMPARE(tree(m_folder->path()), before);

        // A slot name in Config.ini that leaves the folder is not followed: the slot takes the
        // first default name no other slot uses.
        QVERIFY(ProfileFiles::saveProfile(p, AppPaths::configDir() + "/outside.prof"));
        QSettings(AppPaths::configIni(), QSettings::IniFormat)
            .setValue("Config/Profile1", "../outside");
        MouseConfig c;
        ProfileFiles::loadConfiguration(c);
        QCOMPARE(c.ProfileNames[0], QStringLiteral("Profile 1"));
        QVERIFY(!(c.Profile[0] == p));

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
        QVERIFY(ProfileFiles::saveProfile(distinctProfile(110), path));
        QSettings(path, QSettings::IniFormat).setValue("PROFILE/Stray", 1);
        QVERIFY(ProfileFiles::writeFactoryProfile());
        ProfileData p;
        QVERIFY(ProfileFiles::loadProfile(p, path));
        QVERIFY(p == expected);
        QVERIFY(!QSettings(path, QSettings::IniFormat).contains("PROFILE/Stray"));
    }

    void fullDiskLeavesTheOldFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("limit");
        QTest::addColumn<void*>("save");
        QTest::newRow("Config.ini") << "Config.ini" << 256 << (void*)&saveSlotNames;
        QTest::newRow("factory profile")
            << "Profile/DefaultProfile.prof" << 65536 << (void*)&ProfileFiles::writeFactoryProfile;
    }
    void fullDiskLeavesTheOldFile()
    {
        QFETCH(QString, file);
        QFETCH(int, limit);
        QFETCH(void*, save);
        // Larger than the limit, so that a file cut short could not pass for the old one: the
        // sample's Config.ini with its slot names, fonts and mouse list, a profile of long values.
        const QString path = AppPaths::configDir() + "/" + file;
        QVERIFY(!path.endsWith(".prof") || ProfileFiles::saveProfile(distinctProfile(121), path));
        const QByteArray old = TestFiles::read(path);
        const QStringList before = tree(m_folder->path());
        QVERIFY(old.size() > limit);

        const QByteArray report = saveInChild(rlim_t(limit), reinterpret_cast<bool (*)()>(save));
        QCOMPARE(report, QByteArray("failed File too large"));
        QCOMPARE(TestFiles::read(path), old);
        QCOMPARE(tree(m_folder->path()), before); // no temporary file left behind
    }

    void profileListRoundTrip()
    {
        const QStringList names{"Profile 1", "Game, fast", "\u4e2d\u6587", "x=y", "@home", "Last"};
        QVERIFY(ProfileFiles::saveProfileList(names));
        QCOMPARE(ProfileFiles::loadProfileList(), names);
        const QString ini = AppPaths::modelConfigIni("HORNBEAM");
        // A shorter list leaves no stale entries behind.
        QVERIFY(ProfileFiles::saveProfileList({"Only"}));
        QCOMPARE(ProfileFiles::loadProfileList(), QStringList{"Only"});
        QVERIFY(!QSettings(ini, QSettings::IniFormat).contains("PROFILE_LIST/2"));

        // A damaged count reads no further than the entries there are.
        QSettings(ini, QSettings::IniFormat).setValue("PROFILE_LIST/Count", 2147483647);
        QCOMPARE(ProfileFiles::loadProfileList(), QStringList{"Only"});
        QVERIFY(TestFiles::write(ini, "[PROFILE_LIST]\nCount=4\n1=A\n2=../B\n4=D\n"));
        QCOMPARE(ProfileFiles::loadProfileList(), (QStringList{"A", "D"}));
    }
};

QTEST_GUILESS_MAIN(TestProfileFiles)
#include "tst_profilefiles.moc"
