#include "ProfileTestTools.h"
#include "ScriptedUserPrompts.h"
#include "TestAppFolder.h"
#include "tests/device/VirtualMouseRig.h"

#include "app/ProfileActions.h"

#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <memory>

using namespace ProfileTestTools;

namespace {
QString text(const char* t)
{
    return QString::fromUtf8(t);
}

// Every signal of the actions object, in the order it came.
class SignalLog
{
public:
    explicit SignalLog(ProfileActions& a)
    {
        QObject::connect(&a, &ProfileActions::stopBatteryThread, [this] { log << "stop"; });
        QObject::connect(&a, &ProfileActions::retranslateTexts, [this] { log << "retranslate"; });
        QObject::connect(&a, &ProfileActions::showFirstPage, [this] { log << "page0"; });
        QObject::connect(&a, &ProfileActions::refreshModelParts, [this] { log << "model"; });
        QObject::connect(&a, &ProfileActions::refreshPages, [this] { log << "pages"; });
        QObject::connect(&a, &ProfileActions::rebuildProfileMenu, [this] { log << "menu"; });
        QObject::connect(&a, &ProfileActions::applyPointerSpeed, [this] { log << "pointer"; });
        QObject::connect(&a, &ProfileActions::profileNameChanged,
                         [this](const QString& name) { log << "name:" + name; });
        QObject::connect(&a, &ProfileActions::writeConfiguration,
                         [this](bool full) { log << (full ? "write:full" : "write"); });
    }
    QStringList log;
};
} // namespace

class TestProfileActions : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestAppFolder> m_folder;
    QTemporaryDir m_outside;
    QWidget m_window;

private slots:
    void init()
    {
        m_folder = std::make_unique<TestAppFolder>();
        QVERIFY(m_folder->isValid());
        ProfileFiles::loadConfiguration(GlobalRecords::snapshot());
        GlobalRecords::live() = GlobalRecords::snapshot();
    }
    void cleanup() { m_folder.reset(); }

    // Refusals are told and change nothing, the field keeping what was typed; a delete asks
    // first, and only when it can go through.
    void deleteAndRenameTellRefusals()
    {
        QVERIFY(makeProfile("Game", markedProfile(1)));
        QVERIFY(makeProfile("Taken", markedProfile(2)));
        QVERIFY(
            ProfileFiles::saveProfileList(ProfileFiles::loadProfileList() + QStringList{"Game"}));
        GlobalRecords::live().ProfileNames[0] = "Game";
        ScriptedUserPrompts prompts;
        ProfileActions actions(&m_window);
        SignalLog events(actions);
        QVERIFY(!actions.deleteProfile("Profile 2"));
        QVERIFY(!actions.renameProfile("Taken"));
        QVERIFY(!actions.renameProfile("../Taken"));
        QCOMPARE(prompts.texts(),
                 (QStringList{text(ProfileManager::kDefaultProtected),
                              text(ProfileManager::kExists), text(ProfileManager::kInvalidName)}));
        prompts.answerQuestion(false);
        QVERIFY(!actions.deleteProfile("Game"));
        QCOMPARE(prompts.shown().last().kind, ScriptedUserPrompts::Question);
        QCOMPARE(prompts.texts().last(), QString("Are you sure you want delete this profile?"));
        QVERIFY(QFileInfo::exists(modelFile("Game")));
        QVERIFY(events.log.isEmpty());

        QVERIFY(actions.renameProfile("Fast"));
        QCOMPARE(events.log, (QStringList{"menu", "name:Fast"}));
        events.log.clear();
        // Yes: the last entry goes; the entries before it all name other slots but the first.
        prompts.answerQuestion(true);
        QVERIFY(actions.deleteProfile("Fast"));
        QVERIFY(!QFileInfo::exists(modelFile("Fast")));
        QCOMPARE(events.log, (QStringList{"pages", "menu", "name:Profile 1"}));
        QCOMPARE(prompts.titles().count("Warning"), 5); // every box
    }

    void resetsAskAndWrite()
    {
        ScriptedUserPrompts prompts;
        ProfileActions actions(&m_window);
        SignalLog events(actions);
        GlobalRecords::live().ProfileID = 1;

        prompts.answerQuestion(false);
        QVERIFY(!actions.resetProfile());
        QCOMPARE(prompts.texts().last(), QString("Are you sure you want reset this profile?"));
        prompts.answerQuestion(false);
        QVERIFY(!actions.resetAll());
        QCOMPARE(prompts.texts().last(), QString("Are you sure you want reset all profiles?"));
        QVERIFY(events.log.isEmpty());

        prompts.answerQuestion(true);
        QVERIFY(actions.resetProfile());
        QCOMPARE(events.log,
                 (QStringList{"stop", "retranslate", "pages", "name:Profile 2", "write"}));
        events.log.clear();
        prompts.answerQuestion(true);
        QVERIFY(actions.resetAll());
        QCOMPARE(events.log,
                 (QStringList{"stop", "pages", "menu", "name:Profile 1", "write:full"}));
        QCOMPARE(prompts.titles().count("Warning"), 4); // every box
    }

    void fileDialogsAndCancel()
    {
        ScriptedUserPrompts prompts;
        ProfileActions actions(&m_window);
        SignalLog events(actions);
        const State before = state();

        // Cancelled dialogs end the operations.
        prompts.answerSaveFile(QString());
        QVERIFY(!actions.exportProfile());
        prompts.answerOpenFile(QString());
        QVERIFY(!actions.importProfile());
        prompts.answerOpenFile(QString());
        QVERIFY(!actions.loadConfiguration());
        prompts.answerSaveFile(QString());
        QVERIFY(!actions.saveConfiguration());
        QVERIFY(state() == before);
        QVERIFY(events.log.isEmpty());

        using P = ScriptedUserPrompts;
        const QVector<P::Shown> expected{
            {P::SaveFile, "Save Profile File", QString(), "Profile File(*.prof)"},
            {P::OpenFile, "Load Profile File", QString(), "Profile File(*.prof)"},
            {P::OpenFile, "Load Config File", QString(), "Config File(*.conf)"},
            {P::SaveFile, "Save Config File", QString(), "Config File(*.conf)"}};
        QCOMPARE(prompts.shown().size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QVERIFY(prompts.shown()[i].kind == expected[i].kind &&
                    prompts.shown()[i].title == expected[i].title &&
                    prompts.shown()[i].text2 == expected[i].text2);

        // Export, then import the export under another name.
        const QString exported = m_outside.filePath("Shared.prof");
        prompts.answerSaveFile(exported);
        QVERIFY(actions.exportProfile());
        QVERIFY(events.log.isEmpty());
        prompts.answerOpenFile(exported);
        QVERIFY(actions.importProfile());
        QCOMPARE(events.log, (QStringList{"pages", "menu", "name:Shared", "write"}));
        QCOMPARE(prompts.shown().size(), 6); // no notice
    }

    void importOfAnotherModelIsRefusedWithItsNotice()
    {
        const QString foreign =
            TestAppFolder::sampleDir("linden") + "/Configs/LINDEN/Profile/Profile 1.prof";
        const QString source = m_outside.filePath("Foreign.prof");
        QVERIFY(QFile::copy(foreign, source));
        QFile(source).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QSettings(source, QSettings::IniFormat).setValue("MouseName/Name", "LINDEN");
        ScriptedUserPrompts prompts;
        ProfileActions actions(&m_window);
        SignalLog events(actions);
        const State before = state();
        prompts.answerOpenFile(source);
        QVERIFY(!actions.importProfile());
        QCOMPARE(prompts.texts().last(), text(ProfileManager::kNotMatch));
        prompts.answerOpenFile(source);
        QVERIFY(!actions.loadConfiguration());
        QCOMPARE(prompts.texts().last(), text(ProfileManager::kNotMatch));
        QCOMPARE(prompts.shown().size(), 4); // each file dialog and its notice
        QVERIFY(state() == before);
        QVERIFY(events.log.isEmpty());
    }

    void assignAndAddAndCopy()
    {
        ScriptedUserPrompts prompts;
        ProfileActions actions(&m_window);
        SignalLog events(actions);

        QVERIFY(!actions.assignProfile("Profile 3"));
        QCOMPARE(prompts.texts(), QStringList{"Profile is Already Used!"});
        QVERIFY(actions.addProfile());
        QCOMPARE(events.log, (QStringList{"pages", "menu", "name:Profile 6"}));
        events.log.clear();
        QVERIFY(actions.copyProfile());
        QCOMPARE(events.log, (QStringList{"menu", "name:Profile 6 copy"}));
        QCOMPARE(actions.manager().profileList().mid(5),
                 (QStringList{"Profile 6", "Profile 6 copy"}));
        QCOMPARE(prompts.shown().size(), 1);
    }

    // The two short forms switch the mouse; nothing is written.
    void selectSlotSendsTheShortForms()
    {
        VirtualMouseRig rig;
        ScriptedUserPrompts prompts;
        ProfileActions actions(&m_window);
        SignalLog events(actions);
        for (int slot : {2, 4, 0}) {
            rig.clearLog();
            events.log.clear();
            QVERIFY(actions.selectSlot(slot));
            QCOMPARE(events.log, (QStringList{"pages", "menu", "pointer",
                                              QString("name:Profile %1").arg(slot + 1)}));
            const QList<QByteArray> reports = rig.reports();
            QCOMPARE(reports.size(), 2);
            QCOMPARE(reports[0].mid(3, 4), QByteArray::fromHex("fa44") + char(slot) + char(0));
            QCOMPARE(reports[1].mid(3, 4), QByteArray::fromHex("fa40f301"));
            QCOMPARE(rig.mouse().heldConfiguration().selectedProfile, slot);
        }
        QVERIFY(prompts.shown().isEmpty());
    }
};

QTEST_MAIN(TestProfileActions)
#include "tst_profileactions.moc"
