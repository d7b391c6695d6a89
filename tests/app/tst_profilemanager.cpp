#include "ProfileTestTools.h"
#include "TestAppFolder.h"

#include "app/ProfileManager.h"
#include "model/ProfileRules.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace ProfileTestTools;

namespace {
using Outcome = ProfileOutcome;
using L = QStringList;

QString msg(const char* text)
{
    return QString::fromUtf8(text);
}

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
        QCOMPARE(out_.message, msg(text));                                                         \
        QCOMPARE(out_.effects, 0);                                                                 \
        QVERIFY(state() == before_);                                                               \
    } while (0)

// The model's Config.ini, which holds the list, replaced by a folder: the list cannot be stored.
void breakListFile()
{
    QVERIFY(QFile::remove(AppPaths::modelConfigIni(productName())));
    QVERIFY(QDir().mkpath(AppPaths::modelConfigIni(productName())));
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
        setSlotNames(slotNames);
        GlobalRecords::live().ProfileID = quint8(current);
    }

    QString outsideFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_outside.filePath(name);
        writeFile(path, bytes);
        return path;
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
        const QByteArray templateBytes = readFile(modelFile("DefaultProfile"));
        QVERIFY(!templateBytes.isEmpty());
        ProfileManager m;

        const Outcome first = m.addProfile();
        QVERIFY2(!first.isRefused(), qPrintable(first.message));
        QCOMPARE(first.name, QString("Profile 4"));
        QCOMPARE(first.effects, Outcome::ShowName | Outcome::RebuildMenu | Outcome::RefreshPages);
        QCOMPARE(readFile(modelFile("Profile 4")), templateBytes);
        QCOMPARE(GlobalRecords::live().ProfileNames[3], QString("Profile 4"));
        QVERIFY(GlobalRecords::live().Profile[3] == loaded(modelFile("DefaultProfile")));

        QCOMPARE(m.addProfile().name, QString("Profile 5"));
        // "Profile 6" names slot 4 although no file has that name: two slots must not share it.
        QCOMPARE(m.addProfile().name, QString("Profile 7"));
        const L expected{"Profile 1", "Profile 2", "Profile 3", "Game",
                         "Profile 4", "Profile 5", "Profile 7"};
        QCOMPARE(ProfileFiles::loadProfileList(), expected);
        QCOMPARE(m.profileList(), expected);

        // A restart finds the slot as it was left.
        const MouseConfig restarted = afterRestart();
        QCOMPARE(restarted.ProfileNames[3], QString("Profile 7"));
        QVERIFY(restarted.Profile[3] == GlobalRecords::live().Profile[3]);
    }

    void addTemplateFallsBackToFactoryProfile()
    {
        QVERIFY(QFile::remove(modelFile("DefaultProfile")));
        QVERIFY(ProfileFiles::writeFactoryProfile());
        const QString factory = AppPaths::profileDir() + "/DefaultProfile.prof";
        ProfileManager m;
        QCOMPARE(m.addProfile().name, QString("Profile 6"));
        QCOMPARE(readFile(modelFile("Profile 6")), readFile(factory));

        // Without either template nothing is created and the user is told.
        QVERIFY(QFile::remove(factory));
        QREFUSED(m.addProfile(), ProfileManager::kCopyFailed);
        QCOMPARE(m.profileList(), ProfileFiles::loadProfileList());
    }

    void addAndCopyFailuresKeepEverything()
    {
        ProfileManager m;
        breakListFile();
        QREFUSED(m.addProfile(), ProfileManager::kListWriteFailed);
        QREFUSED(m.copyProfile(), ProfileManager::kListWriteFailed);
        QCOMPARE(m.profileList().size(), 5);
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
        QCOMPARE(readFile(modelFile("Game copy")), readFile(modelFile("Game")));
        QCOMPARE(GlobalRecords::live().ProfileNames[0], QString("Game copy"));
        QVERIFY(GlobalRecords::live().Profile[0] == record);

        for (const char* next : {"Game copy 2", "Game copy 3"}) {
            QVERIFY(!m.assignProfile("Game").isRefused());
            QCOMPARE(m.copyProfile().name, QString(next));
        }
        QCOMPARE(ProfileFiles::loadProfileList(),
                 (L{"Profile 1", "Game", "Game copy", "Game copy 2", "Game copy 3"}));
        QCOMPARE(afterRestart().ProfileNames[0], QString("Game copy 3"));

        // A copy of a profile whose file is gone fails as a whole.
        QVERIFY(!m.assignProfile("Profile 1").isRefused());
        QVERIFY(QFile::remove(modelFile("Profile 1")));
        QREFUSED(m.copyProfile(), ProfileManager::kCopyFailed);
    }

    void deleteChoosesReplacement_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("slotNames");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("deleted");
        QTest::addColumn<QString>("replacement");

        const L defaults{"Profile 2", "Profile 3", "Profile 4", "Profile 5"};
        QTest::newRow("last entry takes the one before")
            << L{"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5", "Game", "Last"}
            << (L{"Last"} + defaults) << 0 << "Last"
            << "Game";
        QTest::newRow("first entry takes the second")
            << L{"First", "Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"}
            << (L{"First"} + defaults) << 0 << "First"
            << "Profile 1";
        QTest::newRow("other slots in the way")
            << L{"A", "B", "C", "D"} << L{"C", "D", "B", "X", "Y"} << 0 << "C"
            << "A";
        QTest::newRow("last entry with its neighbour in use")
            << L{"A", "B", "C"} << L{"C", "B", "X", "Y", "Z"} << 0 << "C"
            << "A";
        QTest::newRow("current slot is not the first")
            << L{"A", "B", "C"} << L{"X", "Y", "B", "Z", "W"} << 2 << "B"
            << "C";
        // The walk steps over the deleted entry and runs off the start of the list: the first
        // entry no other slot uses, wherever it is.
        QTest::newRow("walk finds nothing before the start")
            << L{"A", "B", "C", "D"} << L{"B", "A", "C", "X", "Y"} << 0 << "B"
            << "D";
    }

    void deleteChoosesReplacement()
    {
        QFETCH(QStringList, list);
        QFETCH(QStringList, slotNames);
        QFETCH(int, current);
        QFETCH(QString, deleted);
        QFETCH(QString, replacement);
        prepare(list, slotNames, current);
        ProfileManager m;

        QVERIFY(!m.checkDelete(deleted).isRefused());
        const Outcome outcome = m.deleteProfile(deleted);
        QVERIFY2(!outcome.isRefused(), qPrintable(outcome.message));
        QCOMPARE(outcome.name, replacement);
        QCOMPARE(outcome.effects, Outcome::ShowName | Outcome::RebuildMenu | Outcome::RefreshPages);
        QVERIFY(!QFileInfo::exists(modelFile(deleted)));
        list.removeAll(deleted);
        QCOMPARE(ProfileFiles::loadProfileList(), list);
        QCOMPARE(m.profileList(), list);
        const MouseConfig& live = GlobalRecords::live();
        slotNames[current] = replacement;
        for (int i = 0; i < MouseConfig::kProfileCount; ++i)
            QCOMPARE(live.ProfileNames[i], slotNames.at(i));
        QVERIFY(live.Profile[current] == loaded(modelFile(replacement)));
        QCOMPARE(afterRestart().ProfileNames[current], replacement);
    }

    void deleteRefusals_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("slotNames");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");

        const L game = L{"Game", "Profile 2", "Profile 3", "Profile 4", "Profile 5"};
        QTest::newRow("one profile left")
            << L{"Game"} << game << "Game" << msg(ProfileManager::kKeepOne);
        QTest::newRow("empty list") << L() << game << "Game" << msg(ProfileManager::kKeepOne);
        QTest::newRow("default profile") << L{"Profile 1", "Profile 2", "Game"} << game
                                         << "Profile 2" << msg(ProfileManager::kDefaultProtected);
        QTest::newRow("name not in the list")
            << L{"Profile 1", "Game"} << game << "Ghost" << msg(ProfileManager::kNotInList);
        QTest::newRow("used by another slot") << L{"A", "B", "C"} << L{"A", "B", "X", "Y", "Z"}
                                              << "B" << msg(ProfileManager::kAlreadyUsed);
        QTest::newRow("no other profile free") << L{"A", "B", "C"} << L{"A", "B", "C", "X", "Y"}
                                               << "A" << msg(ProfileManager::kNoReplacement);
    }

    void deleteRefusals()
    {
        QFETCH(QStringList, list);
        QFETCH(QStringList, slotNames);
        QFETCH(QString, name);
        QFETCH(QString, message);
        prepare(list, slotNames, 0);
        QVERIFY(makeProfile(name, markedProfile(1)));
        ProfileManager m;
        QCOMPARE(m.checkDelete(name).message, message);
        QREFUSED(m.deleteProfile(name), message.toUtf8().constData());
        QCOMPARE(m.profileList(), list);
    }

    void deleteFailuresKeepEverything()
    {
        prepare(L{"Profile 1", "Game", "Other"},
                L{"Game", "Profile 2", "Profile 3", "Profile 4", "Profile 5"}, 0);
        // A file that cannot be removed: a folder in its place.
        QVERIFY(QFile::remove(modelFile("Game")));
        QVERIFY(writeFile(modelFile("Game") + "/inside", "x"));
        ProfileManager m;
        QREFUSED(m.deleteProfile("Game"), ProfileManager::kDeleteFailed);
        QCOMPARE(m.profileList(), (L{"Profile 1", "Game", "Other"}));

        // A list that cannot be stored: nothing is deleted.
        QVERIFY(QDir(modelFile("Game")).removeRecursively());
        QVERIFY(makeProfile("Game", markedProfile(4)));
        breakListFile();
        QREFUSED(m.deleteProfile("Game"), ProfileManager::kListWriteFailed);
        QVERIFY(QFileInfo::exists(modelFile("Game")));
    }

    void defaultNamesCannotBeRenamed()
    {
        ProfileManager m; // the sample: slots "Profile 1".."Profile 5", all listed
        GlobalRecords::live().ProfileID = 1;
        QREFUSED(m.renameProfile("Fast"), ProfileManager::kDefaultProtected);
        QVERIFY(ProfileManager::isDefaultName("Profile 5"));
        QVERIFY(!ProfileManager::isDefaultName("Profile 6"));
        QVERIFY(!ProfileManager::isDefaultName("profile 1"));
    }

    void renameMovesFileAndEntry()
    {
        QVERIFY(makeProfile("Game", markedProfile(5)));
        prepare(L{"Profile 1", "Game", "Profile 3"},
                L{"Profile 1", "Game", "Profile 3", "Profile 4", "Profile 5"}, 1);
        const QByteArray bytes = readFile(modelFile("Game"));
        GlobalRecords::live().Profile[1] = loaded(modelFile("Game"));
        ProfileManager m;

        const Outcome outcome = m.renameProfile("Fast");
        QVERIFY2(!outcome.isRefused(), qPrintable(outcome.message));
        QCOMPARE(outcome.name, QString("Fast"));
        QVERIFY(!QFileInfo::exists(modelFile("Game")));
        QCOMPARE(readFile(modelFile("Fast")), bytes);
        QCOMPARE(ProfileFiles::loadProfileList(), (L{"Profile 1", "Fast", "Profile 3"}));
        QCOMPARE(GlobalRecords::live().ProfileNames[1], QString("Fast"));
        const MouseConfig restarted = afterRestart();
        QCOMPARE(restarted.ProfileNames[1], QString("Fast"));
        QVERIFY(restarted.Profile[1] == GlobalRecords::live().Profile[1]);
    }

    void renameRefusals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString invalid = msg(ProfileManager::kInvalidName);
        QTest::newRow("file exists") << "Taken" << msg(ProfileManager::kExists);
        QTest::newRow("listed without a file") << "Listed" << msg(ProfileManager::kExists);
        QTest::newRow("own name") << "Game" << msg(ProfileManager::kExists);
        QTest::newRow("template") << "DefaultProfile" << msg(ProfileManager::kExists);
        QTest::newRow("another slot's name") << "Slotted" << msg(ProfileManager::kAlreadyUsed);
        const QStringList unsafe{"",  "   ",          "a/b",  "a\\b", "..",
                                 ".", "../../Config", "a\tb", "a\nb", QString(201, QChar('x'))};
        for (const QString& name : unsafe)
            QTest::newRow(qPrintable("invalid " + name.left(12))) << name << invalid;
    }

    void renameRefusals()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QVERIFY(makeProfile("Game", markedProfile(5)));
        QVERIFY(makeProfile("Taken", markedProfile(6)));
        prepare(L{"Profile 1", "Game", "Listed"},
                L{"Game", "Profile 2", "Slotted", "Profile 4", "Profile 5"}, 0);
        QVERIFY(QFile::remove(modelFile("Listed")));
        ProfileManager m;
        // No ShowName among the (absent) effects: the field keeps what was typed.
        QREFUSED(m.renameProfile(typed), message.toUtf8().constData());
        QCOMPARE(m.profileList(), (L{"Profile 1", "Game", "Listed"}));
    }

    void renameFailuresKeepEverything()
    {
        prepare(L{"Profile 1", "Game"},
                L{"Game", "Profile 2", "Profile 3", "Profile 4", "Profile 5"}, 0);
        ProfileManager m;
        // The list cannot be stored: the file is renamed back.
        breakListFile();
        QREFUSED(m.renameProfile("Fast"), ProfileManager::kListWriteFailed);
        QVERIFY(QFileInfo::exists(modelFile("Game")));

        // The profile's own file is gone: nothing to rename.
        QVERIFY(QDir().rmdir(AppPaths::modelConfigIni(productName())));
        QVERIFY(ProfileFiles::saveProfileList(L{"Profile 1", "Game"}));
        QVERIFY(QFile::remove(modelFile("Game")));
        QREFUSED(m.renameProfile("Fast"), ProfileManager::kRenameFailed);
    }

    void assignRules()
    {
        QVERIFY(makeProfile("Game", markedProfile(8)));
        const L list = ProfileFiles::loadProfileList() + L{"Game"};
        QVERIFY(ProfileFiles::saveProfileList(list));
        ProfileManager m;
        MouseConfig& live = GlobalRecords::live();

        // Slot 3 (index 2) holds "Profile 3": slot 1 cannot take it.
        live.ProfileID = 0;
        QREFUSED(m.assignProfile("Profile 3"), ProfileManager::kAlreadyUsed);
        QREFUSED(m.assignProfile("../Config"), ProfileManager::kInvalidName);

        // The slot's own profile again: the edits in memory give way to the file.
        live.Profile[0].dpi = 7;
        live.Profile[0].ButtonInfo[0].Fun = 99;
        const Outcome own = m.assignProfile("Profile 1");
        QVERIFY(!own.isRefused());
        QCOMPARE(own.effects, Outcome::ShowName | Outcome::RebuildMenu | Outcome::RefreshPages);
        QVERIFY(live.Profile[0] == loaded(modelFile("Profile 1")));

        QCOMPARE(m.assignProfile("Game").name, QString("Game"));
        QCOMPARE(live.ProfileNames[0], QString("Game"));
        QVERIFY(live.Profile[0] == markedProfile(8));
        QCOMPARE(m.profileList(), list);
        const MouseConfig restarted = afterRestart();
        QCOMPARE(restarted.ProfileNames[0], QString("Game"));
        QVERIFY(restarted.Profile[0] == markedProfile(8));
        QCOMPARE(restarted.ProfileNames[2], QString("Profile 3"));
    }

    void selectSlotStoresIndexOnly()
    {
        ProfileManager m;
        const MouseConfig before = GlobalRecords::live();
        const Outcome outcome = m.selectSlot(3);
        QCOMPARE(outcome.effects, Outcome::RefreshPages | Outcome::RebuildMenu |
                                      Outcome::SelectOnDevice | Outcome::ApplyPointerSpeed |
                                      Outcome::ShowName);
        QCOMPARE(outcome.name, QString("Profile 4"));
        QCOMPARE(int(GlobalRecords::live().ProfileID), 3);
        QCOMPARE(QSettings(AppPaths::configIni(), QSettings::IniFormat)
                     .value("Config/ProfileID")
                     .toInt(),
                 3);
        for (int i = 0; i < MouseConfig::kProfileCount; ++i)
            QVERIFY(GlobalRecords::live().Profile[i] == before.Profile[i]);

        const State unchanged = state();
        QCOMPARE(m.selectSlot(5).effects, 0);
        QCOMPARE(m.selectSlot(-1).effects, 0);
        QVERIFY(state() == unchanged);
    }

    void importCopiesAndLoads()
    {
        ProfileManager m;
        const ProfileData profile = markedProfile(9);
        const QString source = exportedFile("Imported.prof", profile);
        const Outcome outcome = m.importProfile(source);
        QVERIFY2(!outcome.isRefused(), qPrintable(outcome.message));
        QCOMPARE(outcome.effects,
                 Outcome::RebuildMenu | Outcome::RefreshPages | Outcome::ShowName | Outcome::Write);
        QCOMPARE(outcome.name, QString("Imported"));
        QCOMPARE(readFile(modelFile("Imported")), readFile(source));
        QVERIFY(GlobalRecords::live().Profile[0] == profile);
        QCOMPARE(GlobalRecords::live().ProfileNames[0], QString("Imported"));
        QCOMPARE(ProfileFiles::loadProfileList().last(), QString("Imported"));
        QCOMPARE(m.profileList(), ProfileFiles::loadProfileList());
        QREFUSED(m.importProfile(source), ProfileManager::kExists); // the same name again
    }

    void importRefusals_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("message");
        const QString own = QStringLiteral("HORNBEAM");
        QTest::newRow("existing profile")
            << "Profile 2.prof" << own << msg(ProfileManager::kExists);
        QTest::newRow("template") << "DefaultProfile.prof" << own << msg(ProfileManager::kExists);
        QTest::newRow("another slot's name")
            << "Slotted.prof" << own << msg(ProfileManager::kAlreadyUsed);
        QTest::newRow("dot name") << "..prof" << own << msg(ProfileManager::kInvalidName);
        QTest::newRow("no base name") << ".prof" << own << msg(ProfileManager::kInvalidName);
        QTest::newRow("another model") << "Foreign.prof"
                                       << "LINDEN" << msg(ProfileManager::kNotMatch);
    }

    void importRefusals()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, product);
        QFETCH(QString, message);
        GlobalRecords::live().ProfileNames[3] = "Slotted";
        ProfileManager m;
        const QString source = exportedFile(fileName, markedProfile(4), product);
        QREFUSED(m.importProfile(source), message.toUtf8().constData());
    }

    void badProfileFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray garbage(4096, '\0');
        QRandomGenerator rng(7);
        for (char& c : garbage)
            c = char(rng.bounded(256));
        QTest::newRow("binary garbage") << garbage.prepend("[MouseName]\nName=HORNBEAM\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no identity") << QByteArray("[PROFILE]\npollrate=1\ndpi=2\n");
        QTest::newRow("other identity") << QByteArray("[MouseName]\nName=HORNBEAM2\n");
        QTest::newRow("truncated in a section line")
            << QByteArray("[MouseName]\nName=HORNBEAM\n\n[PROF");
        QByteArray huge = "[MouseName]\nName=HORNBEAM\n[PROFILE]\n";
        while (huge.size() <= 5 * 1024 * 1024)
            huge += "DPI_INFO_0_x=1234567890\n";
        QTest::newRow("huge") << huge;
        QTest::newRow("missing file") << QByteArray("absent");
        QTest::newRow("folder") << QByteArray("folder");
    }

    void badProfileFilesChangeNothing()
    {
        QFETCH(QByteArray, bytes);
        ProfileManager m;
        // The last two rows name a file that is not there and a folder.
        const QString source = m_outside.filePath(bytes == "absent"   ? "absent.prof"
                                                  : bytes == "folder" ? "Folder.prof"
                                                                      : "Bad.prof");
        if (bytes == "folder")
            QVERIFY(QDir().mkpath(source));
        else if (bytes != "absent")
            outsideFile("Bad.prof", bytes);
        QREFUSED(m.importProfile(source), ProfileManager::kNotMatch);
    }

    void outOfRangeNumbersLoadAsTheirLowBits()
    {
        ProfileManager m;
        const QString source = outsideFile(
            "Odd.prof", "[MouseName]\nName=HORNBEAM\n[PROFILE]\ndpi=999\npollrate=-7\nLedMode=300\n"
                        "DPI_INFO_0_x=99999999999\nDPI_INFO_0_y=4294967295\n"
                        "BUTTON_INFO_0_KeyNumber=99999999999\nBUTTON_INFO_0_Fun=abc\n"
                        "BUTTON_INFO_0_KeyInfo_0_map=70000\nBUTTON_INFO_0_macroname=../../x\n"
                        "LedSleepTime=-1\n");
        const Outcome outcome = m.importProfile(source);
        QVERIFY2(!outcome.isRefused(), qPrintable(outcome.message));
        const ProfileData& p = GlobalRecords::live().Profile[0];
        QCOMPARE(int(p.dpi), 999 & 0xFF);
        QCOMPARE(int(p.pollrate), 256 - 7);
        QCOMPARE(int(p.LedMode), 300 & 0xFF);
        // Beyond 32 bits: the low 32 bits, as for the bytes.
        QCOMPARE(p.DpiInfo[0].x, quint32(99999999999ULL & 0xFFFFFFFFu));
        QCOMPARE(p.DpiInfo[0].y, 4294967295u);
        QCOMPARE(p.ButtonInfo[0].KeyNumber, qint32(quint32(99999999999ULL & 0xFFFFFFFFu)));
        QCOMPARE(p.ButtonInfo[0].Fun, 0);
        QCOMPARE(int(p.ButtonInfo[0].KeyInfo[0][0]), 70000 & 0xFF);
        QCOMPARE(int(p.LedSleepTime), 255);
        // Lookups through the odd indices stay inside the tables.
        QVERIFY(&p.activeLed() >= p.LedInfo && &p.activeLed() < p.LedInfo + 14);
        QVERIFY(&p.activeDpiLevel() >= p.DpiInfo && &p.activeDpiLevel() < p.DpiInfo + 8);
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
        const auto run = [&] {
            return operation == "add"    ? m.addProfile()
                   : operation == "copy" ? m.copyProfile()
                                         : m.importProfile(source);
        };
        QCOMPARE(m.profileList().size(), ProfileManager::kMaxProfiles);
        QREFUSED(run(), ProfileManager::kListFull);
        QCOMPARE(m.profileList(), list);

        // One entry fewer and the same operation goes through.
        list.removeLast();
        QVERIFY(ProfileFiles::saveProfileList(list));
        m.loadList();
        const Outcome outcome = run();
        QVERIFY2(!outcome.isRefused(), qPrintable(outcome.message));
        QCOMPARE(m.profileList().size(), ProfileManager::kMaxProfiles);
    }

    void resets()
    {
        ProfileManager m;
        MouseConfig& live = GlobalRecords::live();
        for (int i = 0; i < MouseConfig::kProfileCount; ++i)
            live.Profile[i] = markedProfile(i + 1);
        live.ProfileID = 2;
        live.ProfileNames[2] = "Game";
        ProfileData factory;
        ProfileRules::buildDefaultProfile(factory);

        const Outcome one = m.resetProfile();
        QCOMPARE(one.effects, Outcome::StopBattery | Outcome::Retranslate | Outcome::RefreshPages |
                                  Outcome::ShowName | Outcome::Write);
        QCOMPARE(one.name, QString("Game"));
        QVERIFY(live.Profile[2] == factory);
        QVERIFY(live.Profile[1] == markedProfile(2));
        QVERIFY(afterRestart().Profile[2] == factory);

        live.LiftHigh = 9;
        const Outcome all = m.resetAll();
        QCOMPARE(all.effects, Outcome::StopBattery | Outcome::RefreshPages | Outcome::RebuildMenu |
                                  Outcome::ShowName | Outcome::Write | Outcome::FullWrite);
        QCOMPARE(all.name, QString("Profile 1"));
        QCOMPARE(int(live.ProfileID), 0);
        QVERIFY(live.Profile[0] == factory);
        QVERIFY(live.Profile[3] == markedProfile(4));
        QCOMPARE(live.ProfileNames[2], QString("Profile 3"));
        const MouseConfig restarted = afterRestart();
        for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
            QCOMPARE(restarted.ProfileNames[i], QString("Profile %1").arg(i + 1));
            QVERIFY(restarted.Profile[i] == live.Profile[i]);
        }
    }

    void exportStampsAndCopies()
    {
        ProfileManager m;
        const QString target = m_outside.filePath("Out.prof");
        const Outcome outcome = m.exportProfile(target);
        QVERIFY2(!outcome.isRefused(), qPrintable(outcome.message));
        QCOMPARE(outcome.effects, 0);
        QCOMPARE(ProfileFiles::readIdentity(target), productName());
        QCOMPARE(readFile(target), readFile(modelFile("Profile 1")));

        // The slot names a profile without a per-model file.
        GlobalRecords::live().ProfileNames[0] = "Nowhere";
        const QString missing = m_outside.filePath("Missing.prof");
        QCOMPARE(m.exportProfile(missing).message, msg(ProfileManager::kCopyFailed));
        QVERIFY(!QFileInfo::exists(missing));
    }

    void configurationFilesRoundTripAndRefuseBadInput()
    {
        ProfileManager m;
        MouseConfig& live = GlobalRecords::live();
        for (int i = 0; i < MouseConfig::kProfileCount; ++i)
            live.Profile[i] = markedProfile(20 + i);
        live.LiftHigh = 2;
        const MouseConfig saved = live;
        const QString path = m_outside.filePath("all.conf");
        QCOMPARE(m.saveConfiguration(path).effects, 0);
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(m.saveConfiguration(m_outside.path()).message,
                 msg(ProfileManager::kConfigWriteFailed));

        for (int i = 0; i < MouseConfig::kProfileCount; ++i)
            live.Profile[i] = markedProfile(40 + i);
        live.LiftHigh = 7;
        const Outcome loadedBack = m.loadConfiguration(path);
        QCOMPARE(loadedBack.effects, Outcome::ShowFirstPage | Outcome::RefreshModelParts |
                                         Outcome::RefreshPages | Outcome::RebuildMenu |
                                         Outcome::ShowName | Outcome::Write);
        for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
            ProfileData expected = saved.Profile[i];
            // Not carried by the file: they keep what the slot had.
            expected.LedMoveOFF = markedProfile(40 + i).LedMoveOFF;
            expected.LedSleepTime = markedProfile(40 + i).LedSleepTime;
            QVERIFY2(live.Profile[i] == expected, qPrintable(QString::number(i)));
        }
        QCOMPARE(int(live.LiftHigh), 2);

        const QList<QByteArray> bad = {
            QByteArray(),
            QByteArray("\0\1\2\3garbage", 11),
            QByteArray("[MouseName]\nName=HORNBEAM\n[PROFILE_0"),
            QByteArray("[MouseName]\nName=LINDEN\n[Config]\nLiftHigh=9\n"),
            QByteArray("[Config]\nLiftHigh=9\n"),
            QByteArray("[MouseName]\nName=HORNBEAM\n") + QByteArray(5 * 1024 * 1024, 'x'),
        };
        for (const QByteArray& bytes : bad)
            QREFUSED(m.loadConfiguration(outsideFile("bad.conf", bytes)),
                     ProfileManager::kNotMatch);
        QREFUSED(m.loadConfiguration(m_outside.filePath("absent.conf")), ProfileManager::kNotMatch);
    }

    void configurationWithOddValues()
    {
        ProfileManager m;
        const QString path = outsideFile(
            "odd.conf", "[MouseName]\nName=HORNBEAM\n[Config]\nProfileID=17\nLiftHigh=300\n"
                        "Profile2=../evil\nProfile3=Fine name\n[PROFILE_0]\ndpi=260\n");
        QVERIFY(!m.loadConfiguration(path).isRefused());
        const MouseConfig& live = GlobalRecords::live();
        QCOMPARE(int(live.ProfileID), 0);
        QCOMPARE(int(live.LiftHigh), 300 & 0xFF);
        QCOMPARE(live.ProfileNames[1], QString("Profile 2"));
        QCOMPARE(live.ProfileNames[2], QString("Fine name"));
        QCOMPARE(int(live.Profile[0].dpi), 260 & 0xFF);
        QVERIFY(!QFileInfo::exists(AppPaths::configDir() + "/evil.prof"));
        QCOMPARE(afterRestart().ProfileNames[2], QString("Fine name"));
    }
};

QTEST_GUILESS_MAIN(TestProfileManager)
#include "tst_profilemanager.moc"
