// Files written by hand or by an attacker: every reader of the program's files gets through
// them without aborting, overflowing the stack or stalling, and a damaged file is kept aside.
#include "TestAppFolder.h"
#include "TestFiles.h"

#include "model/AppPaths.h"
#include "model/AppSettings.h"
#include "model/DeviceDescription.h"
#include "model/MacroFile.h"
#include "model/MacroList.h"
#include "model/ProfileFiles.h"
#include "model/SetAsideFiles.h"

#include <QtTest>
#include <optional>

namespace {
const QVector<MacroEvent> kEvents = {{0x80, 0, 0x1e}, {0, 0, 0x1e}, {0x81, 0, 50}};

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

    std::optional<TestAppFolder> m_folder;

private slots:
    void init()
    {
        m_folder.emplace();
        SetAsideFiles::take();
        QVERIFY(MacroFile::saveEventList("m", kEvents));
    }

    // Each row puts a value after a key of one file. A hostile value reads as the key's default,
    // and one bad line used to make the next write start Config.ini afresh with its own keys.
    void hostileLinesReadAsDefaults_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        const QByteArray huge = "\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)";
        const QList<QPair<const char*, QByteArray>> values = {
            {"list of 2^31", "@Variant(" + huge},
            {"nested lists", "@Variant(" + QByteArray("\\0\\0\\0\\t\\0\\0\\0\\x1").repeated(40000) +
                                 "\\0\\0\\0\\t\\0\\0\\0\\0)"},
            {"colour model 9", "@Variant(\\0\\0\\0\\x43\\t\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)"},
            {"short colour", "@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff)"},
            {"in a list", "1,@Variant(" + huge},
            {"escaped at", "\\x40Variant(" + huge},
            // Sections that never close cost QSettings time quadratic in their number.
            {"unclosed sections", "\n" + QByteArray("[Setting\n").repeated(40000)},
        };
        const QStringList files = {"profile", "config", "description", "macro"};
        const QByteArrayList keys = {
            "LedMode\\LED_MODE_0_RGB=", "Model=", "Version=", "DefaultDelay="};
        for (int f = 0; f < files.size(); ++f)
            for (const auto& v : values)
                QTest::addRow("%s, %s", qPrintable(files[f]), v.first)
                    << files[f] << keys[f] << v.second;
        for (const auto& r :
             QVector<std::array<QByteArray, 3>>{{"NUL byte", "Sync=", {"0\0", 2}},
                                                {"unclosed section", "[Mouse_List", ""},
                                                {"continued line", "Jitter=", "0\\"}})
            QTest::addRow("config, %s", r[0].constData()) << QString("config") << r[1] << r[2];
    }
    void hostileLinesReadAsDefaults()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        const QString profile = ProfileFiles::profilePath(QStringLiteral("Profile 1"));
        const QString path = file == "profile"       ? profile
                             : file == "config"      ? AppPaths::configIni()
                             : file == "description" ? AppPaths::deviceDescriptionFile()
                                                     : MacroFile::filePath("m");
        QByteArray text = TestFiles::read(path);
        const int at = text.indexOf(key) + key.size();
        const QByteArray original = text.replace(at, text.indexOf('\n', at) - at, value);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(original) == original.size() && f.flush());

        // A write first: a second one finds a sound file and moves nothing more aside.
        QVERIFY(ProfileFiles::saveActiveSlot(3) && MacroList::add(QStringLiteral("kept")));
        const QByteArray fresh = TestFiles::read(AppPaths::configIni());
        for (const char* kept : {"Profile2=Profile 2", "GColorID=2", "FONT_1=Noto Sans CJK SC",
                                 "LangName_1=\\x7b80\\x4f53", "1=3389", "ProfileID=3", "0=kept"})
            QVERIFY2(fresh.contains(kept), kept);
        ProfileData p;
        QVERIFY(ProfileFiles::loadProfile(p, profile));
        if (file != "profile")
            QVERIFY(p.LedInfo[0].colour.isValid());
        QCOMPARE(p.LedInfo[3].colour, QColor(0, 0x78, 0xff));
        QCOMPARE(AppSettings::modelText().isEmpty(), key == "Model=");
        MouseConfig c;
        ProfileFiles::loadConfiguration(c);
        QCOMPARE(c.ProfileNames[4], QStringLiteral("Profile 5"));
        QCOMPARE(DeviceDescription::version().isEmpty(), file == "description");
        const MacroFileData macro = MacroFile::load("m");
        QCOMPARE(macro.defaultDelay == 0, file == "macro");
        QCOMPARE(macro.events, kEvents);

        // The installed description is only read; the user's own files are kept aside, once.
        const QVector<SetAsideFiles::Entry> setAside = SetAsideFiles::take();
        QCOMPARE(setAside.size(), file == "description" ? 0 : 1);
        QCOMPARE(TestFiles::read(setAside.isEmpty() ? path : setAside[0].keptPath), original);
        const QFileInfo info(path);
        QCOMPARE(QDir(info.path()).entryList({info.fileName() + ".damaged-*"}).size(),
                 setAside.size());
    }

    // Only the guarded reader may hand a file to QSettings.
    void noOtherCodeConstructsQSettings()
    {
        const QRegularExpression construction(
            QStringLiteral(R"(QSettings\s*(\w+\s*)?[({]|<QSettings>\s*\(|new\s+QSettings\b)"));
        const QString top = qEnvironmentVariable("MOUSECFG_SOURCE_DIR");
        QVERIFY(QFile::exists(top + "/model/SettingsFile.cpp"));
        QStringList offenders;
        QDirIterator it(top, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!path.contains(QRegularExpression("/(tests|build[^/]*)/|SettingsFile.cpp$")) &&
                construction.match(QString::fromUtf8(TestFiles::read(path))).hasMatch())
                offenders << path;
        }
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(' ')));
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
