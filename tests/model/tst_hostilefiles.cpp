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

#include <QDir>
#include <QDirIterator>
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
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

// Replaces the value of the line that starts with `key=`.
QByteArray withValue(QByteArray text, const QByteArray& key, const QByteArray& value)
{
    const int at = text.startsWith(key + '=') ? 0 : text.indexOf('\n' + key + '=') + 1;
    const int end = text.indexOf('\n', at);
    return text.replace(at, end - at, key + '=' + value);
}

// A variant list nested `depth` deep: one list of one list of ...
QByteArray nestedLists(int depth)
{
    QByteArray v = "@Variant(";
    for (int i = 0; i < depth; ++i)
        v += "\\0\\0\\0\\t\\0\\0\\0\\x1";
    return v + "\\0\\0\\0\\t\\0\\0\\0\\0)";
}

QStringList keptCopies(const QString& path)
{
    const QFileInfo info(path);
    return QDir(info.path()).entryList({info.fileName() + ".damaged-*"}, QDir::Files);
}

const QString kMacro = QStringLiteral("hostile");
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
        QVERIFY(m_folder->isValid());
        SetAsideFiles::take();
    }
    void cleanup() { m_folder.reset(); }

    void hostileValuesReadAsDefaults_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("value");
        const QList<QPair<const char*, QByteArray>> values = {
            {"list of 2^31", "@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)"},
            {"nested lists", nestedLists(40000)},
            {"colour spec 9", "@Variant(\\0\\0\\0\\x43\\t\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)"},
            {"short colour", "@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff)"},
            {"in a list", "1,@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)"},
            {"escaped at", "\\x40Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)"},
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
        QVERIFY(MacroFile::saveEventList(kMacro, events));
        const QString profile = ProfileFiles::profilePath(QStringLiteral("Profile 1"));
        ProfileData before;
        QVERIFY(ProfileFiles::loadProfile(before, profile));
        const QMap<QString, QString> paths = {{"profile", profile},
                                              {"config", AppPaths::configIni()},
                                              {"description", AppPaths::deviceDescriptionFile()},
                                              {"macro", MacroFile::filePath(kMacro)}};
        const QMap<QString, QByteArray> keys = {{"profile", "LedMode\\LED_MODE_0_RGB"},
                                                {"config", "Model"},
                                                {"description", "Version"},
                                                {"macro", "DefaultDelay"}};
        const QString path = paths[file];
        const QByteArray original = withValue(readFile(path), keys[file], value);
        writeFile(path, original);

        ProfileData p;
        QVERIFY(ProfileFiles::loadProfile(p, profile));
        QCOMPARE(p.LedInfo[0].colour.isValid(), file != "profile");
        QCOMPARE(p.LedInfo[3].colour, before.LedInfo[3].colour);
        QCOMPARE(AppSettings::modelText().isEmpty(), file == "config");
        MouseConfig c;
        ProfileFiles::loadConfiguration(c);
        QCOMPARE(c.ProfileNames[4], QStringLiteral("Profile 5"));
        QCOMPARE(DeviceDescription::version().isEmpty(), file == "description");
        QCOMPARE(DeviceDescription::productName(), QStringLiteral("HORNBEAM"));
        const MacroFileData macro = MacroFile::load(kMacro);
        QCOMPARE(macro.defaultDelay == 0, file == "macro");
        QCOMPARE(macro.events.size(), events.size());

        // The installed description is only read; the user's own files are kept aside, once.
        const QVector<SetAsideFiles::Entry> setAside = SetAsideFiles::take();
        if (file == "description") {
            QVERIFY(setAside.isEmpty());
            QCOMPARE(readFile(path), original);
            return;
        }
        QCOMPARE(setAside.size(), 1);
        QCOMPARE(setAside[0].path, path);
        QCOMPARE(keptCopies(path).size(), 1);
        QCOMPARE(readFile(setAside[0].keptPath), original);
        QVERIFY(!readFile(path).contains("Variant(\\0\\0\\0\\t"));
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
        QByteArray text = readFile(ini);
        QVERIFY(text.contains(line));
        text.replace(line, damage);
        writeFile(ini, text);

        QVERIFY(ProfileFiles::saveActiveSlot(3));
        // A second write finds a sound file and moves nothing more aside.
        QVERIFY(MacroList::add(QStringLiteral("kept")));
        QCOMPARE(keptCopies(ini).size(), 1);
        QCOMPARE(readFile(QFileInfo(ini).path() + '/' + keptCopies(ini)[0]), text);
        const QByteArray fresh = readFile(ini);
        for (const char* key : {"Profile2=Profile 2", "GColorID=2", "FONT_1=Noto Sans CJK SC",
                                "LangName_1=\\x7b80\\x4f53", "1=3389", "BatteryFull=4200"})
            QVERIFY2(fresh.contains(key), key);
        QVERIFY(fresh.contains("ProfileID=3"));
        QVERIFY(!fresh.contains(line));
        QCOMPARE(SetAsideFiles::take().size(), 1);
    }

    // Lines that open a section and never close it cost QSettings time quadratic in their
    // number; such a file must never reach it, through any reader.
    void unclosedSectionsNeverReachTheParser()
    {
        QByteArray text;
        while (text.size() < (1 << 19))
            text += "[Setting\nMap_0=1\n";
        writeFile(MacroFile::filePath(kMacro), text);
        writeFile(AppPaths::configIni(), text);
        QVERIFY(MacroFile::load(kMacro).events.isEmpty());
        QVERIFY(MacroList::names().isEmpty());
        QCOMPARE(SetAsideFiles::take().size(), 2);
    }

    // Only the guarded reader may hand a file to QSettings.
    void noOtherCodeConstructsQSettings()
    {
        const QString top = qEnvironmentVariable("MOUSECFG_SOURCE_DIR");
        QVERIFY(!top.isEmpty());
        const QRegularExpression construction(
            QStringLiteral(R"(QSettings\s*(\w+\s*)?[({]|<QSettings>\s*\(|new\s+QSettings\b)"));
        QStringList offenders;
        for (const char* folder : {"app", "model", "device", "platform", "widgets", "pages",
                                   "buttons", "macro", "tools"}) {
            QDirIterator it(top + '/' + folder, {"*.cpp", "*.h"}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                if (!path.endsWith(QLatin1String("model/SettingsFile.cpp")) &&
                    construction.match(QString::fromUtf8(readFile(path))).hasMatch())
                    offenders << path;
            }
        }
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(' ')));
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
