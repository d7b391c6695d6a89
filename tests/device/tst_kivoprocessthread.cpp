#include "TestAppFolder.h"
#include "VirtualMouseRig.h"

#include "device/KivoProcessThread.h"
#include "device/PollingControl.h"
#include "model/GlobalRecords.h"
#include "model/ProfileFiles.h"

#include <QtTest>

namespace {
class PollingCounter : public PollingControl
{
public:
    int startPolling() override
    {
        ++starts;
        return 1;
    }
    void stopPolling() override { ++stops; }
    int starts = 0;
    int stops = 0;
};

// Runs one write the way the main window does and returns the thread for inspection.
struct WriteRun
{
    explicit WriteRun(PollingControl* polling, bool fullWrite = false) : thread(polling)
    {
        thread.setFullWrite(fullWrite);
        QSignalSpy done(&thread, &KivoProcessThread::DoProcessDlg);
        thread.start(QThread::InheritPriority);
        finished = thread.wait(30000);
        emitted = done.size();
    }
    KivoProcessThread thread;
    bool finished = false;
    int emitted = 0;
};
} // namespace

class TestKivoProcessThread : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        GlobalRecords::snapshot() = MouseConfig();
        GlobalRecords::live() = MouseConfig();
    }

    void failureForcesTheNextWriteToBeFull()
    {
        TestAppFolder folder;
        QVERIFY(folder.isValid());
        ProfileFiles::loadConfiguration(GlobalRecords::snapshot());
        GlobalRecords::live() = GlobalRecords::snapshot();
        GlobalRecords::live().Profile[0].dpi = 4; // a change to send
        PollingCounter polling;

        // No mouse: the begin marker gets "no device".
        {
            WriteRun run(&polling);
            QVERIFY(run.finished);
            QCOMPARE(run.emitted, 1);
            QCOMPARE(int(run.thread.result()), 1);
        }
        QCOMPARE(ProfileFiles::readFullWriteFlag(), 1);
        QCOMPARE(polling.stops, 1);
        QCOMPARE(polling.starts, 0);
        // The edits were saved and the snapshot follows the live record whatever the result.
        QVERIFY(GlobalRecords::snapshot() == GlobalRecords::live());
        MouseConfig reloaded;
        ProfileFiles::loadConfiguration(reloaded);
        QCOMPARE(int(reloaded.Profile[0].dpi), 4);

        // Nothing changed since, but the failed write forces every group.
        VirtualMouseRig rig;
        {
            WriteRun run(&polling);
            QCOMPARE(int(run.thread.result()), 0);
            QCOMPARE(run.thread.changeMask(), 15);
        }
        QCOMPARE(ProfileFiles::readFullWriteFlag(), 0);
        QCOMPARE(polling.starts, 1);
        QCOMPARE(int(rig.mouse().heldConfiguration().dpiLevel), 4);

        // After a good write an unchanged configuration gives an empty mask (and is still sent).
        rig.clearLog();
        {
            WriteRun run(&polling);
            QCOMPARE(int(run.thread.result()), 0);
            QCOMPARE(run.thread.changeMask(), 0);
        }
        QCOMPARE(rig.mouse().heldConfiguration().appliedSessions, 2);

        // A requested full write.
        {
            WriteRun run(&polling, true);
            QCOMPARE(run.thread.changeMask(), 15);
        }
    }

    void stoppedThreadDoesNothing()
    {
        TestAppFolder folder;
        ProfileFiles::writeFullWriteFlag(1);
        VirtualMouseRig rig;
        PollingCounter polling;
        KivoProcessThread thread(&polling);
        thread.setStop(true);
        QSignalSpy done(&thread, &KivoProcessThread::DoProcessDlg);
        QTest::ignoreMessage(QtDebugMsg, "isStop.\n");
        thread.start();
        QVERIFY(thread.wait(5000));
        QCOMPARE(done.size(), 0);
        QCOMPARE(polling.stops, 0);
        QVERIFY(rig.reports().isEmpty());
        QCOMPARE(ProfileFiles::readFullWriteFlag(), 1);
    }
};

QTEST_GUILESS_MAIN(TestKivoProcessThread)
#include "tst_kivoprocessthread.moc"
