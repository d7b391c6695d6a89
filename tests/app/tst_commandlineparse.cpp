#include "TestAppFolder.h"
#include "app/commands/CommandLine.h"
#include "app/commands/SettingEdits.h"
#include "model/AppSettings.h"
#include "model/ProfileFiles.h"
#include "model/ProfileRules.h"

#include <QDir>
#include <QtTest>

// What the command line makes of its arguments, before any mouse or window is involved: which
// slot a command reaches and which file a running window is handed.
class TestCommandLineParse : public QObject
{
    Q_OBJECT
private slots:
    void slotsAndFiles_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("slot"); // 0-based; -1 the active one
        QTest::addColumn<QString>("file");
        const QString here = QDir::current().absoluteFilePath("p.prof");
        const auto row = [](const char* tag, const QStringList& args, int command, int slot,
                            const QString& file = QString()) {
            QTest::newRow(tag) << args << command << slot << file;
        };
        row("select 1", {"--select-profile", "1"}, CommandLine::SelectProfile, 0);
        row("select 5", {"--select-profile", "5"}, CommandLine::SelectProfile, 4);
        row("select 0", {"--select-profile", "0"}, CommandLine::Invalid, -1);
        row("apply, active slot", {"--apply", "p.prof"}, CommandLine::Apply, -1, here);
        row("apply, slot 1", {"--apply", "p.prof", "--slot", "1"}, CommandLine::Apply, 0, here);
        row("apply, slot 5", {"--apply", "p.prof", "--slot", "5"}, CommandLine::Apply, 4, here);
        row("apply, slot 0", {"--apply", "p.prof", "--slot", "0"}, CommandLine::Invalid, -1);
        row("apply, slot 6", {"--apply", "p.prof", "--slot", "6"}, CommandLine::Invalid, -1);
        row("apply, absolute", {"--apply", "/tmp/q.prof"}, CommandLine::Apply, -1, "/tmp/q.prof");
        row("export, relative", {"--export-profile", "p.prof"}, CommandLine::ExportProfile, -1,
            here);
    }
    void slotsAndFiles()
    {
        QFETCH(QStringList, args);
        QFETCH(int, command);
        QFETCH(int, slot);
        QFETCH(QString, file);
        const CommandLine line = CommandLine::parse(args);
        QCOMPARE(int(line.command()), command);
        if (command == CommandLine::Invalid)
            return;
        QCOMPARE(line.slot(), slot);
        QCOMPARE(line.file(), file);
        // A running window is handed the file by its full path: its folder is not ours.
        if (!file.isEmpty())
            QVERIFY(line.arguments().contains(file));
    }

    // A script's edits as they reach the active profile: the last DPI level, the rate codes,
    // a level given one number for both axes.
    void editsReachTheProfile()
    {
        TestAppFolder folder;
        MouseConfig config;
        ProfileFiles::loadConfiguration(config);
        config.ProfileID = 1;
        SettingEdits edits;
        QVERIFY(!edits.setStage("9").isEmpty());
        QCOMPARE(edits.setStage("8"), QString());
        QCOMPARE(edits.setRate("250"), QString());
        QCOMPARE(edits.addDpi("2=1600"), QString());
        QCOMPARE(edits.applyTo(config), QString());
        const ProfileData& p = config.Profile[1];
        QCOMPARE(p.dpi, quint8(7));
        QCOMPARE(p.pollrate, quint8(4)); // the mouse's code for 250 Hz
        QCOMPARE(ProfileRules::dpiOfStep(p.DpiInfo[1].x, AppSettings::sensorNumber()), 1600);
        QCOMPARE(p.DpiInfo[1].y, p.DpiInfo[1].x);
    }
};

QTEST_MAIN(TestCommandLineParse)
#include "tst_commandlineparse.moc"
