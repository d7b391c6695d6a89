#include "ProfileTestTools.h"
#include "TestAppFolder.h"

#include "model/ProfileManager.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace ProfileTestTools;

namespace {
using Outcome = ProfileOutcome;
using L = QStringList;

// What start-up would find: Config.ini and the slot profile files read into a fresh record.
MouseConfig afterRestart()
{
    MouseConfig config;
    ProfileFiles::loadConfiguration(config);
    return config;
}

// A refused or failed operation: its message, no effects, and neither a file under the
// configuration folder nor the live record changed.
#define QREFUSED(call, text)                                                                       \
    do {                                                                                           \
        const State before_ = state();                                                             \
        const Outcome out_ = (call);                                                               \
        QCOMPARE(out_.message, QString(text));                                                     \
        QCOMPARE(out_.effects, 0);                                                                 \
        QVERIFY(state() == before_);                                                               \
    } while (0)

// The model's Config.ini, which holds the list, replaced by a folder: the list cannot be stored.
void breakListFile()
{
    QVERIFY(QFile::remove(AppPaths::modelConfigIni(DeviceDescription::productName())));
    QVERIFY(QDir().mkpath(AppPaths::modelConfigIni(DeviceDescription::productName())));
}

// The operations the tables name; delete and rename act on "Game", import and save on `source`.
Outcome run(ProfileManager& m, const QString& operation, const QString& source = QString())
{
    if (operation == "add")
        return m.addProfile();
    if (operation == "copy")
        return m.copyProfile();
    if (operation == "delete")
        return m.deleteProfile("Game");
    if (operation == "rename")
        return m.renameProfile("Fast");
    if (operation == "save")
        return m.saveConfiguration(source);
    return m.importProfile(source);
}
} // namespace

class TestProfileManager : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestAppFolder> m_folder;
    QTemporaryDir m_outside; // where the user's files for import and export lie

    // The list on disk, a per-model file for each listed name that has none, five slot names and
    // the current slot.
    void prepare(const QStringList& list, const QStringList& slotNames, int current)
    {
        QVERIFY(ProfileFiles::saveProfileList(list));
        for (int i = 0; i < list.size(); ++i) {
            if (!QFileInfo::exists(modelFile(list.at(i))))
                QVERIFY(makeProfile(list.at(i), markedProfile(i + 10)));
        }
        for (int i = 0; i < MouseConfig::kProfileCount; ++i)
            GlobalRecords::live().ProfileNames[i] = slotNames.at(i);
        GlobalRecords::live().ProfileID = quint8(current);
    }

    // A profile file as another installation of `product` exports it.
    QString exportedFile(const QString& name, const ProfileData& profile,
                         const QString& product = QStringLiteral("HORNBEAM"))
    {
        const QString path = m_outside.filePath(name);
        QFile::remove(path);
        ProfileFiles::saveProfile(profile, path);
        QSettings(path, QSettings::IniFormat).setValue("MouseName/Name", product);
        return path;
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TestAppFolder>();
        QVERIFY(m_folder->isValid());
        QVERIFY(m_outside.isValid());
        ProfileFiles::loadConfiguration(GlobalRecords::snapshot());
        GlobalRecords::live() = GlobalRecords::snapshot();
    }
    void cleanup() { m_folder.reset(); }

    void addNumbersAroundExistingFiles()
    {
        QVERIFY(QFile::remove(modelFile("Profile 4")));
        QVERIFY(QFile::remove(modelFile("Profile 5")));
        prepare(L{"Profile 1", "Profile 2", "Profile 3", "Game"},
                L{"Profile 1", "Profile 2", "Profile 3", "Game", "Profile 6"}, 3);
        const QByteArray templateBytes = TestFiles::read(modelFile("DefaultProfile"));
        QVERIFY(!templateBytes.isEmpty());
        ProfileManager m;

        const Outcome first = m.addProfile();
        QCOMPARE(first.name, QString("Profile 4"));
        QCOMPARE(first.effects, Outcome::ShowName | Outcome::RebuildMenu | Outcome::RefreshPages);
        QCOMPARE(TestFiles::read(modelFile("Profile 4")), templateBytes);
        QVERIFY(GlobalRecords::live().Profile[3] == loaded(modelFile("DefaultProfile")));
        QCOMPARE(m.addProfile().name, QString("Profile 5"));
        // "Profile 6" names slot 4 although no file has that name: two slots must not share it.
        QCOMPARE(m.addProfile().name, QString("Profile 7"));
        const L expected{"Profile 1", "Profile 2", "Profile 3", "Game",
                         "Profile 4", "Profile 5", "Profile 7"};
        QCOMPARE(ProfileFiles::loadProfileList(), expected);
        QCOMPARE(m.profileList(), expected);
        QCOMPARE(afterRestart().ProfileNames[3], QString("Profile 7"));

        // Without the model's template the factory profile is the one copied.
        QVERIFY(QFile::remove(modelFile("DefaultProfile")));
        QVERIFY(ProfileFiles::writeFactoryProfile());
        QCOMPARE(m.addProfile().name, QString("Profile 8"));
        QCOMPARE(TestFiles::read(modelFile("Profile 8")),
                 TestFiles::read(AppPaths::profileDir() + "/DefaultProfile.prof"));
    }

    void copyNaming()
    {
        QVERIFY(makeProfile("Game", markedProfile(3)));
        prepare(L{"Profile 1", "Game"},
                L{"Game", "Profile 2", "Profile 3", "Profile 4", "Profile 5"}, 0);
        GlobalRecords::live().Profile[0] = loaded(modelFile("Game"));
        const ProfileData record = GlobalRecords::live().Profile[0];
        ProfileManager m;

        const Outcome first = m.copyProfile();
        QCOMPARE(first.name, QString("Game copy"));
        QCOMPARE(first.effects, Outcome::ShowName | Outcome::RebuildMenu);
        QCOMPARE(TestFiles::read(modelFile("Game copy")), TestFiles::read(modelFile("Game")));
        QVERIFY(GlobalRecords::live().Profile[0] == record);
        for (const char* next : {"Game copy 2", "Game copy 3"}) {
            QVERIFY(!m.assignProfile("Game").isRefused());
            QCOMPARE(m.copyProfile().name, QString(next));
        }
        QCOMPARE(ProfileFiles::loadProfileList(),
                 (L{"Profile 1", "Game", "Game copy", "Game copy 2", "Game copy 3"}));
        QCOMPARE(afterRestart().ProfileNames[0], QString("Game copy 3"));
    }

    // Each operation that fails half-way leaves files, list and records as they were.
    void failuresKeepEverything_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("breakage");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* operation, const char* breakage, const char* message) {
            QTest::newRow(qPrintable(QString("%1, %2").arg(operation, breakage)))
                << operation << breakage << QString(message);
        };
        for (const char* operation : {"add", "copy", "delete", "rename"})
            row(operation, "list", ProfileManager::kListWriteFailed);
        row("add", "templates", ProfileManager::kCopyFailed);
        row("copy", "gone", ProfileManager::kCopyFailed);
        row("rename", "gone", ProfileManager::kRenameFailed);
        row("delete", "folder", ProfileManager::kDeleteFailed);    // a folder in the file's place
        row("save", "folder", ProfileManager::kConfigWriteFailed); // the target is a folder
    }

    void failuresKeepEverything()
    {
        QFETCH(QString, operation);
        QFETCH(QString, breakage);
        QFETCH(QString, message);
        QVERIFY(makeProfile("Game", markedProfile(4)));
        const L list{"Profile 1", "Game", "Other"};
        prepare(list, L{"Game", "Profile 2", "Profile 3", "Profile 4", "Profile 5"}, 0);
        ProfileManager m;
        if (breakage == "list") {
            breakListFile();
        } else if (breakage == "templates") {
            QVERIFY(QFile::remove(modelFile("DefaultProfile")));
            QFile::remove(AppPaths::profileDir() + "/DefaultProfile.prof");
        } else if (operation != "save") {
            QVERIFY(QFile::remove(modelFile("Game")));
            if (breakage == "folder")
                QVERIFY(TestFiles::write(modelFile("Game") + "/inside", "x"));
        }
        QREFUSED(run(m, operation, m_outside.path()), message.toUtf8().constData());
        QCOMPARE(m.profileList(), list);
    }

    // A delete either moves the current slot to a replacement or is refused.
    void deleteProfile_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("slotNames");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("deleted");
        QTest::addColumn<QString>("replacement"); // or the refusal's message
        // Lists as comma-separated names; "G" alone stands for "Game" and the four default names.
        const auto row = [](const char* tag, const char* list, const char* slotNames, int current,
                            const char* deleted, const QString& replacement) {
            const auto names = [](QString text) {
                if (text == "G")
                    text = "Game,Profile 2,Profile 3,Profile 4,Profile 5";
                return text.split(',', Qt::SkipEmptyParts);
            };
            QTest::newRow(tag) << names(list) << names(slotNames) << current << deleted
                               << replacement;
        };
        const QString keepOne = QString(ProfileManager::kKeepOne);
        row("last entry takes the one before",
            "Profile 1,Profile 2,Profile 3,Profile 4,Profile 5,Game,Last",
            "Last,Profile 2,Profile 3,Profile 4,Profile 5", 0, "Last", "Game");
        row("first entry takes the second",
            "First,Profile 1,Profile 2,Profile 3,Profile 4,Profile 5",
            "First,Profile 2,Profile 3,Profile 4,Profile 5", 0, "First", "Profile 1");
        row("other slots in the way", "A,B,C,D", "C,D,B,X,Y", 0, "C", "A");
        row("last entry with its neighbour in use", "A,B,C", "C,B,X,Y,Z", 0, "C", "A");
        row("current slot is not the first", "A,B,C", "X,Y,B,Z,W", 2, "B", "C");
        // The walk steps over the deleted entry and runs off the start of the list: the first
        // entry no other slot uses, wherever it is.
        row("walk finds nothing before the start", "A,B,C,D", "B,A,C,X,Y", 0, "B", "D");
        row("one profile left", "Game", "G", 0, "Game", keepOne);
        row("empty list", "", "G", 0, "Game", keepOne);
        row("default profile", "Profile 1,Profile 2,Game", "G", 0, "Profile 2",
            QString(ProfileManager::kDefaultProtected));
        row("name not in the list", "Profile 1,Game", "G", 0, "Ghost",
            QString(ProfileManager::kNotInList));
        row("used by another slot", "A,B,C", "A,B,X,Y,Z", 0, "B",
            QString(ProfileManager::kAlreadyUsed));
        row("no other profile free", "A,B,C", "A,B,C,X,Y", 0, "A",
            QString(ProfileManager::kNoReplacement));
    }

    void deleteProfile()
    {
        QFETCH(QStringList, list);
        QFETCH(QStringList, slotNames);
        QFETCH(int, current);
        QFETCH(QString, deleted);
        QFETCH(QString, replacement);
        prepare(list, slotNames, current);
        QVERIFY(makeProfile(deleted, markedProfile(1)));
        ProfileManager m;
        // The messages end in a full stop or an exclamation mark, the names never do.
        if (replacement.endsWith('.') || replacement.endsWith('!')) {
            QCOMPARE(m.checkDelete(deleted).message, replacement);
            QREFUSED(m.deleteProfile(deleted), replacement.toUtf8().constData());
            QCOMPARE(m.profileList(), list);
            return;
        }
        QVERIFY(!m.checkDelete(deleted).isRefused());
        const Outcome outcome = m.deleteProfile(deleted);
        QCOMPARE(outcome.name, replacement);
        QCOMPARE(outcome.effects, Outcome::ShowName | Outcome::RebuildMenu | Outcome::RefreshPages);
        QVERIFY(!QFileInfo::exists(modelFile(deleted)));
        list.removeAll(deleted);
        QCOMPARE(ProfileFiles::loadProfileList(), list);
        QCOMPARE(m.profileList(), list);
        slotNames[current] = replacement;
        const QString* names = GlobalRecords::live().ProfileNames;
        QCOMPARE(QStringList(names, names + MouseConfig::kProfileCount), slotNames);
        QVERIFY(GlobalRecords::live().Profile[current] == loaded(modelFile(replacement)));
        QCOMPARE(afterRestart().ProfileNames[current], replacement);
    }

    void renameMovesFileAndEntry()
    {
        QVERIFY(makeProfile("Game", markedProfile(5)));
        prepare(L{"Profile 1", "Game", "Profile 3"},
                L{"Profile 1", "Game", "Profile 3", "Profile 4", "Profile 5"}, 1);
        const QByteArray bytes = TestFiles::read(modelFile("Game"));
        GlobalRecords::live().Profile[1] = loaded(modelFile("Game"));
        ProfileManager m;

        const Outcome outcome = m.renameProfile("Fast");
        QCOMPARE(outcome.name, QString("Fast"));
        QVERIFY(!QFileInfo::exists(modelFile("Game")));
        QCOMPARE(TestFiles::read(modelFile("Fast")), bytes);
        QCOMPARE(ProfileFiles::loadProfileList(), (L{"Profile 1", "Fast", "Profile 3"}));
        QCOMPARE(afterRestart().ProfileNames[1], QString("Fast"));

        // The default names stay; only the exact five are default.
        GlobalRecords::live().ProfileID = 2;
        QREFUSED(m.renameProfile("Slow"), ProfileManager::kDefaultProtected);
        QVERIFY(!ProfileManager::isDefaultName("Profile 6"));
        QVERIFY(!ProfileManager::isDefaultName("profile 1"));
    }

    void assignRules()
    {
        QVERIFY(makeProfile("Game", markedProfile(8)));
        QVERIFY(ProfileFiles::saveProfileList(ProfileFiles::loadProfileList() + L{"Game"}));
        ProfileManager m;
        MouseConfig& live = GlobalRecords::live();
        // The slot's own profile again: the edits in memory give way to the file.
        live.Profile[0].dpi = 7;
        const Outcome own = m.assignProfile("Profile 1");
        QCOMPARE(own.effects, Outcome::ShowName | Outcome::RebuildMenu | Outcome::RefreshPages);
        QVERIFY(live.Profile[0] == loaded(modelFile("Profile 1")));

        QCOMPARE(m.assignProfile("Game").name, QString("Game"));
        QVERIFY(live.Profile[0] == markedProfile(8));
        QCOMPARE(afterRestart().ProfileNames[0], QString("Game"));
    }

    void selectSlotStoresIndexOnly()
    {
        ProfileManager m;
        MouseConfig expected = GlobalRecords::live();
        QCOMPARE(m.selectSlot(3).name, QString("Profile 4"));
        expected.ProfileID = 3;
        QVERIFY(afterRestart() == expected);
        QREFUSED(m.selectSlot(5), "");
        QREFUSED(m.selectSlot(-1), "");
    }

    // Refused names and files: renames and assignments of the current slot ("Game"), imports
    // of exported, damaged, foreign, missing and oversized files, configurations likewise.
    void refusals_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("argument"); // a name, or the file's name
        QTest::addColumn<QByteArray>("bytes"); // the file; "export:P" as product P exports it
        QTest::addColumn<QString>("message");
        const QString exists = QString(ProfileManager::kExists),
                      used = QString(ProfileManager::kAlreadyUsed),
                      invalid = QString(ProfileManager::kInvalidName),
                      notMatch = QString(ProfileManager::kNotMatch);
        const auto row = [](const QString& tag, const char* op, const QString& arg,
                            const QByteArray& bytes, const QString& message) {
            QTest::newRow(qPrintable(QString(op) + " " + tag)) << op << arg << bytes << message;
        };
        row("file exists", "rename", "Taken", {}, exists);
        row("listed without a file", "rename", "Listed", {}, exists);
        row("another slot's name", "rename", "Slotted", {}, used);
        const QStringList unsafe{"",  "   ",          "a/b",  "a\\b", "..",
                                 ".", "../../Config", "a\tb", "a\nb", QString(201, QChar('x'))};
        for (const QString& name : unsafe)
            row("invalid " + name.left(12), "rename", name, {}, invalid);
        row("another slot's profile", "assign", "Profile 4", {}, used);
        row("unsafe", "assign", "../Config", {}, invalid);

        const QByteArray own("export:HORNBEAM");
        row("existing profile", "import", "Profile 1.prof", own, exists);
        row("another slot's name", "import", "Slotted.prof", own, used);
        row("dot name", "import", "..prof", own, invalid);
        row("no base name", "import", ".prof", own, invalid);
        row("another model", "import", "Foreign.prof", "export:LINDEN", notMatch);
        const QByteArray garbage = TestFiles::randomBytes(4096, 7);
        QByteArray huge = "[MouseName]\nName=HORNBEAM\n[PROFILE]\n";
        while (huge.size() <= 5 * 1024 * 1024)
            huge += "DPI_INFO_0_x=1234567890\n";
        const QByteArray id("[MouseName]\nName=HORNBEAM\n");
        row("binary garbage", "import", "Bad.prof", id + garbage, notMatch);
        row("empty", "import", "Bad.prof", "", notMatch);
        row("no identity", "import", "Bad.prof", "[PROFILE]\npollrate=1\n", notMatch);
        row("other identity", "import", "Bad.prof", "[MouseName]\nName=HORNBEAM2\n", notMatch);
        row("truncated", "import", "Bad.prof", id + "\n[PROF", notMatch);
        row("huge", "import", "Bad.prof", huge, notMatch);
        row("missing file", "import", "Bad.prof", "absent", notMatch);
        row("folder", "import", "Folder.prof", "folder", notMatch);
        row("empty", "load", "bad.conf", "", notMatch);
        row("garbage", "load", "bad.conf", QByteArray("\0\1\2\3garbage", 11), notMatch);
        row("truncated", "load", "bad.conf", id + "[PROFILE_0", notMatch);
        row("other identity", "load", "bad.conf", "[MouseName]\nName=LINDEN\n[Config]\n", notMatch);
        row("no identity", "load", "bad.conf", "[Config]\nLiftHigh=9\n", notMatch);
        row("huge", "load", "bad.conf", id + QByteArray(5 * 1024 * 1024, 'x'), notMatch);
        row("missing file", "load", "bad.conf", "absent", notMatch);
    }

    void refusals()
    {
        QFETCH(QString, operation);
        QFETCH(QString, argument);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        // Names meet the slots, the list and the folder; the damaged files need none of them.
        L list = ProfileFiles::loadProfileList();
        if (operation == "rename" || operation == "assign" || bytes.startsWith("export:")) {
            QVERIFY(makeProfile("Game", markedProfile(5)));
            QVERIFY(makeProfile("Taken", markedProfile(6)));
            list = L{"Profile 1", "Game", "Listed", "Profile 4"};
            prepare(list, L{"Game", "Profile 2", "Slotted", "Profile 4", "Profile 5"}, 0);
            QVERIFY(QFile::remove(modelFile("Listed")));
        }
        const QString file = m_outside.filePath(argument);
        if (bytes.startsWith("export:"))
            exportedFile(argument, markedProfile(4), bytes.mid(7));
        else if (bytes == "folder")
            QVERIFY(QDir().mkpath(file));
        else if (bytes != "absent" && operation != "rename" && operation != "assign")
            QVERIFY(TestFiles::write(file, bytes));
        ProfileManager m;
        // No ShowName among the (absent) effects: the field keeps what was typed.
        QREFUSED(operation == "rename"   ? m.renameProfile(argument)
                 : operation == "assign" ? m.assignProfile(argument)
                 : operation == "import" ? m.importProfile(file)
                                         : m.loadConfiguration(file),
                 message.toUtf8().constData());
        QCOMPARE(m.profileList(), list);
    }

    void fullListRefusesNewProfiles_data()
    {
        QTest::addColumn<QString>("operation");
        for (const char* operation : {"add", "copy", "import"})
            QTest::newRow(operation) << operation;
    }

    void fullListRefusesNewProfiles()
    {
        QFETCH(QString, operation);
        QStringList list = ProfileFiles::loadProfileList();
        for (int i = list.size(); i < ProfileManager::kMaxProfiles; ++i)
            list << QStringLiteral("Kept %1").arg(i);
        QVERIFY(ProfileFiles::saveProfileList(list));
        const QString source = exportedFile("New.prof", markedProfile(1));
        ProfileManager m;
        QREFUSED(run(m, operation, source), ProfileManager::kListFull);

        // One entry fewer and the same operation goes through.
        list.removeLast();
        QVERIFY(ProfileFiles::saveProfileList(list));
        m.loadList();
        const Outcome outcome = run(m, operation, source);
        QVERIFY2(!outcome.isRefused(), qPrintable(outcome.message));
        QCOMPARE(m.profileList().size(), ProfileManager::kMaxProfiles);
    }
};

QTEST_GUILESS_MAIN(TestProfileManager)
#include "tst_profilemanager.moc"
