#include "ProfileTestTools.h"
#include "ScriptedUserPrompts.h"
#include "TestAppFolder.h"
#include "tests/device/VirtualMouseRig.h"

#include "app/profiles/ProfileActions.h"
#include "model/ProfileRules.h"

#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <memory>

using namespace ProfileTestTools;

namespace {
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
    std::unique_ptr<ScriptedUserPrompts> m_prompts;
    std::unique_ptr<ProfileActions> m_actions;
    std::unique_ptr<SignalLog> m_events;

private slots:
    void init()
    {
        m_folder = std::make_unique<TestAppFolder>();
        QVERIFY(m_folder->isValid());
        ProfileFiles::loadConfiguration(GlobalRecords::snapshot());
        GlobalRecords::live() = GlobalRecords::snapshot();
        m_prompts = std::make_unique<ScriptedUserPrompts>();
        m_actions = std::make_unique<ProfileActions>(&m_window);
        m_events = std::make_unique<SignalLog>(*m_actions);
    }
    void cleanup()
    {
        m_events.reset();
        m_actions.reset();
        m_prompts.reset();
        m_folder.reset();
    }

    // Refusals are told and change nothing, the field keeping what was typed; a delete asks
    // first, and only when it can go through.
    void deleteAndRenameTellRefusals()
    {
        QVERIFY(makeProfile("Game", markedProfile(1)));
        QVERIFY(makeProfile("Taken", markedProfile(2)));
        QVERIFY(
            ProfileFiles::saveProfileList(ProfileFiles::loadProfileList() + QStringList{"Game"}));
        GlobalRecords::live().ProfileNames[0] = "Game";
        m_actions->manager().loadList();
        QVERIFY(!m_actions->deleteProfile("Profile 2"));
        QVERIFY(!m_actions->renameProfile("Taken"));
        QCOMPARE(m_prompts->texts(), (QStringList{QString(ProfileManager::kDefaultProtected),
                                                  QString(ProfileManager::kExists)}));
        m_prompts->answerQuestion(false);
        QVERIFY(!m_actions->deleteProfile("Game"));
        QCOMPARE(m_prompts->shown().last().kind, ScriptedUserPrompts::Question);
        QCOMPARE(m_prompts->texts().last(), QString("Are you sure you want delete this profile?"));
        QVERIFY(QFileInfo::exists(modelFile("Game")));
        QVERIFY(m_events->log.isEmpty());

        QVERIFY(m_actions->renameProfile("Fast"));
        QCOMPARE(m_events->log, (QStringList{"menu", "name:Fast"}));
        m_events->log.clear();
        // Yes: the last entry goes; the entries before it all name other slots but the first.
        m_prompts->answerQuestion(true);
        QVERIFY(m_actions->deleteProfile("Fast"));
        QVERIFY(!QFileInfo::exists(modelFile("Fast")));
        QCOMPARE(m_events->log, (QStringList{"pages", "menu", "name:Profile 1"}));
    }

    void resetsAskAndWrite()
    {
        GlobalRecords::live().ProfileID = 1;

        m_prompts->answerQuestion(false);
        QVERIFY(!m_actions->resetProfile());
        QCOMPARE(m_prompts->texts().last(), QString("Are you sure you want reset this profile?"));
        m_prompts->answerQuestion(false);
        QVERIFY(!m_actions->resetAll());
        QCOMPARE(m_prompts->texts().last(), QString("Are you sure you want reset all profiles?"));
        QVERIFY(m_events->log.isEmpty());

        m_prompts->answerQuestion(true);
        QVERIFY(m_actions->resetProfile());
        QCOMPARE(m_events->log,
                 (QStringList{"stop", "retranslate", "pages", "name:Profile 2", "write"}));
        m_events->log.clear();
        // Every slot goes back to the factory profile, the one set apart too.
        GlobalRecords::live().Profile[3] = markedProfile(7);
        MouseConfig factory = GlobalRecords::live();
        ProfileRules::resetAll(factory);
        m_prompts->answerQuestion(true);
        QVERIFY(m_actions->resetAll());
        QCOMPARE(m_events->log,
                 (QStringList{"stop", "pages", "menu", "name:Profile 1", "write:full"}));
        QVERIFY(GlobalRecords::live() == factory);
    }

    void fileDialogsAndCancel()
    {
        const State before = state();

        // Cancelled dialogs end the operations.
        m_prompts->answerSaveFile(QString());
        QVERIFY(!m_actions->exportProfile());
        m_prompts->answerOpenFile(QString());
        QVERIFY(!m_actions->importProfile());
        m_prompts->answerOpenFile(QString());
        QVERIFY(!m_actions->loadConfiguration());
        m_prompts->answerSaveFile(QString());
        QVERIFY(!m_actions->saveConfiguration());
        QVERIFY(state() == before);
        QVERIFY(m_events->log.isEmpty());
        QCOMPARE(m_prompts->shown().size(), 4);

        // Export with the name typed bare (the dialog's filter adds the suffix), then import the
        // export under another name.
        m_prompts->answerSaveFile(m_outside.filePath("Shared"));
        QVERIFY(m_actions->exportProfile());
        QVERIFY(m_events->log.isEmpty());
        m_prompts->answerOpenFile(m_outside.filePath("Shared.prof"));
        QVERIFY(m_actions->importProfile());
        QCOMPARE(m_events->log, (QStringList{"pages", "menu", "name:Shared", "write"}));
        QCOMPARE(m_prompts->shown().size(), 6); // no notice
    }

    void importOfAnotherModelIsRefusedWithItsNotice()
    {
        const QString foreign =
            TestAppFolder::sampleDir("linden") + "/Configs/LINDEN/Profile/Profile 1.prof";
        const QString source = m_outside.filePath("Foreign.prof");
        QVERIFY(QFile::copy(foreign, source));
        QFile(source).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QSettings(source, QSettings::IniFormat).setValue("MouseName/Name", "LINDEN");
        const State before = state();
        m_prompts->answerOpenFile(source);
        QVERIFY(!m_actions->importProfile());
        QCOMPARE(m_prompts->texts().last(), QString(ProfileManager::kNotMatch));
        m_prompts->answerOpenFile(source);
        QVERIFY(!m_actions->loadConfiguration());
        QCOMPARE(m_prompts->texts().last(), QString(ProfileManager::kNotMatch));
        QCOMPARE(m_prompts->shown().size(), 4); // each file dialog and its notice
        QVERIFY(state() == before);
        QVERIFY(m_events->log.isEmpty());
    }

    // The two short forms switch the mouse; nothing is written. A switch the mouse did not take
    // leaves the slot chosen and is told.
    void selectSlotSendsTheShortForms()
    {
        VirtualMouseRig rig;
        for (int slot : {2, 4, 0}) {
            rig.clearLog();
            m_events->log.clear();
            QVERIFY(m_actions->selectSlot(slot));
            QCOMPARE(m_events->log, (QStringList{"pages", "menu", "pointer",
                                                 QString("name:Profile %1").arg(slot + 1)}));
            const QList<QByteArray> reports = rig.reports();
            QCOMPARE(reports.size(), 2);
            QCOMPARE(reports[0].mid(3, 4), QByteArray::fromHex("fa44") + char(slot) + char(0));
            QCOMPARE(reports[1].mid(3, 4), QByteArray::fromHex("fa40f301"));
            QCOMPARE(rig.mouse().heldConfiguration().selectedProfile, slot);
        }
        rig.mouse().failWrites(2);
        QVERIFY(m_actions->selectSlot(3));
        QCOMPARE(m_actions->manager().currentSlot(), 3);
        QCOMPARE(m_prompts->texts(), QStringList("Send data failed, please try again."));
    }
};

QTEST_MAIN(TestProfileActions)
#include "tst_profileactions.moc"
