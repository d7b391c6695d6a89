#include "ProfileTestTools.h"
#include "ScriptedUserPrompts.h"
#include "TestAppFolder.h"
#include "tests/device/VirtualMouseRig.h"

#include "app/profiles/ProfileActions.h"
#include "device/KivoProcessThread.h"
#include "device/WriteSequence.h"
#include "model/ProfileRules.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <memory>

using namespace ProfileTestTools;

namespace {
using Reports = QMap<quint8, QByteArray>;

// What a mouse holds after one plain write of `config`, on a mouse of its own.
Reports heldAfterWriting(const MouseConfig& config)
{
    VirtualMouseRig rig;
    WriteSequence sequence;
    if (sequence.run(config, KivoProcessThread::kFullMask) != 0)
        return {};
    return rig.mouse().heldConfiguration().reports;
}

// Runs the writer as the main window does for `writeConfiguration`, minus the busy dialog.
class WindowWriter
{
public:
    explicit WindowWriter(ProfileActions& actions)
    {
        QObject::connect(&actions, &ProfileActions::writeConfiguration, [this](bool bFull) {
            KivoProcessThread thread;
            thread.setFullWrite(bFull);
            thread.start();
            thread.wait();
            results << int(thread.result());
            fullWrites << bFull;
        });
    }
    QList<int> results;
    QList<bool> fullWrites;
};

// Every slot and device-wide value set apart from the sample's and from each other.
void changeEverything(MouseConfig& config, int mark)
{
    for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
        ProfileData p = markedProfile(mark + i);
        p.pollrate = quint8(1 << ((mark + i) % 4));
        p.DpiInfo[0].x = p.DpiInfo[0].y = quint32(20 + mark + i);
        p.LedInfo[p.LedMode % 14].colour = QColor(mark, i * 40, 200);
        p.LedMoveOFF = config.Profile[i].LedMoveOFF; // not carried by configuration files
        p.LedSleepTime = config.Profile[i].LedSleepTime;
        config.Profile[i] = p;
    }
    config.LiftHigh = quint8(1 + mark % 2);
    config.AngleValue = quint8(mark % 3);
    config.Debounce = quint8(4 + mark % 5);
    config.Sync = quint8(mark % 2);
    config.Jitter = quint8(mark % 2);
}
} // namespace

class TestProfileEndToEnd : public QObject
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
        GlobalRecords::deviceCopy() = MouseConfig();
    }
    void cleanup() { m_folder.reset(); }

    void savedConfigurationLoadsBackAndReachesTheMouse()
    {
        MouseConfig& live = GlobalRecords::live();
        changeEverything(live, 10);
        live.ProfileID = 0;
        const MouseConfig saved = live;
        const Reports expected = heldAfterWriting(saved);
        QVERIFY(!expected.isEmpty());

        ScriptedUserPrompts prompts;
        ProfileActions actions(&m_window);
        WindowWriter writer(actions);
        // Typed bare: the dialog's filter adds the suffix.
        const QString path = m_outside.filePath("all.conf");
        prompts.answerSaveFile(m_outside.filePath("all"));
        QVERIFY(actions.saveConfiguration());
        QVERIFY(writer.results.isEmpty()); // saving sends nothing

        changeEverything(live, 30);
        QVERIFY(heldAfterWriting(live) != expected);

        VirtualMouseRig rig;
        prompts.answerOpenFile(path);
        QVERIFY(actions.loadConfiguration());
        QCOMPARE(writer.results, QList<int>{0});
        QCOMPARE(writer.fullWrites, QList<bool>{false});
        QVERIFY(live == saved);

        const VirtualMouseConfig held = rig.mouse().heldConfiguration();
        QCOMPARE(held.appliedSessions, 1);
        QCOMPARE(held.reports, expected);
        QCOMPARE(int(held.liftHigh), int(saved.LiftHigh));
        QVERIFY(prompts.shown().size() == 2); // the two file dialogs, no notice
    }

    void importedOutOfRangeProfileIsWritten()
    {
        // A whole exported profile with a left click and usable levels, odd everywhere else.
        const QString source = m_outside.filePath("Odd.prof");
        ProfileData factory;
        ProfileRules::buildDefaultProfile(factory);
        QVERIFY(ProfileFiles::saveProfile(factory, source) && ProfileFiles::writeIdentity(source));
        {
            QSettings s(source, QSettings::IniFormat);
            for (const auto& kv :
                 QVector<QPair<const char*, QVariant>>{{"dpi", 999},
                                                       {"pollrate", -7},
                                                       {"LedMode", 300},
                                                       {"DPI_INFO_7_used", 0},
                                                       {"DPI_INFO_7_x", 4294967295u},
                                                       {"DPI_INFO_7_y", 65536},
                                                       {"BUTTON_INFO_3_Fun", 200},
                                                       {"BUTTON_INFO_3_macroname", "../../Config"},
                                                       {"BUTTON_INFO_3_LoopNumber", -1},
                                                       {"BUTTON_INFO_1_Fun", 2147483647},
                                                       {"BUTTON_INFO_1_KeyNumber", -2147483648LL},
                                                       {"BUTTON_INFO_2_Fun", 6},
                                                       {"BUTTON_INFO_2_KeyNumber", 1000000},
                                                       {"LedSleepTime", 70000}})
                s.setValue(QString("PROFILE/") + kv.first, kv.second);
        }
        VirtualMouseRig rig;
        ScriptedUserPrompts prompts;
        ProfileActions actions(&m_window);
        WindowWriter writer(actions);
        prompts.answerOpenFile(source);
        QVERIFY(actions.importProfile());
        QCOMPARE(writer.results, QList<int>{0});
        QCOMPARE(rig.mouse().heldConfiguration().appliedSessions, 1);
        const ProfileData& p = GlobalRecords::live().Profile[0];
        QCOMPARE(int(p.dpi), 999 & 0xFF);
        QCOMPARE(p.ButtonInfo[3].macroname, QString("../../Config"));
        QCOMPARE(prompts.shown().size(), 1); // the file dialog, no notice

        // The odd record was saved as the slot's file and reads back the same.
        QVERIFY(loaded(AppPaths::profileDir() + "/Odd.prof") == p);
    }
};

QTEST_MAIN(TestProfileEndToEnd)
#include "tst_profileendtoend.moc"
