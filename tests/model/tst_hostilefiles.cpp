// Files written by hand or by an attacker: every reader of the program's files gets through
// them without aborting, overflowing the stack or stalling, and a damaged file is kept aside.
#include "TestAppFolder.h"

#include "model/AppPaths.h"
#include "model/AppSettings.h"
#include "model/DeviceDescription.h"
#include "model/MacroFile.h"
#include "model/MacroList.h"
#include "model/ProfileFiles.h"
#include "model/SetAsideFiles.h"

#include <QRegularExpression>
#include <QtTest>

namespace {
QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size());
}

QStringList keptCopies(const QString& path)
{
    const QFileInfo info(path);
    return QDir(info.path()).entryList({info.fileName() + ".damaged-*"}, QDir::Files);
}
} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestAppFolder> m_folder;

private slots:
    void init()
    {
        m_folder = std::make_unique<TestAppFolder>();
        SetAsideFiles::take();
    }
    void cleanup() { m_folder.reset(); }

    void hostileValuesReadAsDefaults_data()
    {
        QTest::addColumn<QString>("file");
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
        };
        for (const char* file : {"profile", "config", "description", "macro"})
            for (const auto& v : values)
                QTest::addRow("%s, %s", file, v.first) << QString(file) << v.second;
    }
    void hostileValuesReadAsDefaults()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, value);
        const QVector<MacroEvent> events = {{0x80, 0, 0x1e}, {0, 0, 0x1e}, {0x81, 0, 50}};
        QVERIFY(MacroFile::saveEventList("m", events));
        const QString profile = ProfileFiles::profilePath(QStringLiteral("Profile 1"));
        const QMap<QString, QPair<QString, QByteArray>> lines = {
            {"profile", {profile, "LedMode\\LED_MODE_0_RGB="}},
            {"config", {AppPaths::configIni(), "Model="}},
            {"description", {AppPaths::deviceDescriptionFile(), "Version="}},
            {"macro", {MacroFile::filePath("m"), "DefaultDelay="}}};
        const QString path = lines[file].first;
        QByteArray text = readFile(path);
        const int at = text.indexOf(lines[file].second) + lines[file].second.size();
        const QByteArray original = text.replace(at, text.indexOf('\n', at) - at, value);
        writeFile(path, original);

        ProfileData p;
        QVERIFY(ProfileFiles::loadProfile(p, profile));
        QCOMPARE(p.LedInfo[0].colour.isValid(), file != "profile");
        QCOMPARE(p.LedInfo[3].colour, QColor(0, 0x78, 0xff));
        QCOMPARE(AppSettings::modelText().isEmpty(), file == "config");
        MouseConfig c;
        ProfileFiles::loadConfiguration(c);
        QCOMPARE(c.ProfileNames[4], QStringLiteral("Profile 5"));
        QCOMPARE(DeviceDescription::version().isEmpty(), file == "description");
        const MacroFileData macro = MacroFile::load("m");
        QCOMPARE(macro.defaultDelay == 0, file == "macro");
        QCOMPARE(macro.events, events);

        // The installed description is only read; the user's own files are kept aside, once.
        const QVector<SetAsideFiles::Entry> setAside = SetAsideFiles::take();
        QCOMPARE(setAside.size(), file == "description" ? 0 : 1);
        QCOMPARE(readFile(setAside.isEmpty() ? path : setAside[0].keptPath), original);
        QCOMPARE(keptCopies(path).size(), setAside.size());
    }

    // One bad line used to make the next write start the file afresh with its own keys only.
    void aWriteKeepsWhatCanBeSalvaged_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("damage");
        QTest::newRow("NUL byte") << QByteArray("Sync=0") << QByteArray("Sync=0\0", 7);
        QTest::newRow("unclosed section")
            << QByteArray("[Mouse_List]") << QByteArray("[Mouse_List");
        QTest::newRow("continued line") << QByteArray("Jitter=0") << QByteArray("Jitter=0\\");
    }
    void aWriteKeepsWhatCanBeSalvaged()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, damage);
        const QString ini = AppPaths::configIni();
        const QByteArray text = readFile(ini).replace(line, damage);
        writeFile(ini, text);

        // A second write finds a sound file and moves nothing more aside.
        QVERIFY(ProfileFiles::saveActiveSlot(3) && MacroList::add(QStringLiteral("kept")));
        QCOMPARE(keptCopies(ini).size(), 1);
        QCOMPARE(readFile(QFileInfo(ini).path() + '/' + keptCopies(ini)[0]), text);
        const QByteArray fresh = readFile(ini);
        for (const char* key : {"Profile2=Profile 2", "GColorID=2", "FONT_1=Noto Sans CJK SC",
                                "LangName_1=\\x7b80\\x4f53", "1=3389", "ProfileID=3", "0=kept"})
            QVERIFY2(fresh.contains(key), key);
        QVERIFY(!fresh.contains(line));
        QCOMPARE(SetAsideFiles::take().size(), 1);
    }

    // Lines that open a section and never close it cost QSettings time quadratic in their
    // number: such files never reach it, through any reader.
    void unclosedSectionsNeverReachTheParser()
    {
        const QByteArray text = QByteArray("[Setting\nMap_0=1\n").repeated(30000);
        QDir().mkpath(AppPaths::macroDir());
        writeFile(MacroFile::filePath("m"), text);
        writeFile(AppPaths::configIni(), text);
        QVERIFY(MacroFile::load("m").events.isEmpty());
        QVERIFY(MacroList::names().isEmpty());
        QCOMPARE(SetAsideFiles::take().size(), 2);
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
                construction.match(QString::fromUtf8(readFile(path))).hasMatch())
                offenders << path;
        }
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(' ')));
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
