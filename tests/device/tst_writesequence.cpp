#include "TestAppFolder.h"
#include "VirtualMouseRig.h"

#include "device/BatteryPoller.h"
#include "device/CommandTransport.h"
#include "device/DeviceCommands.h"
#include "device/DeviceLink.h"
#include "device/PollingControl.h"
#include "device/ProfileSelectThread.h"
#include "device/WriteSequence.h"
#include "model/AppPaths.h"
#include "model/GlobalRecords.h"
#include "model/KeyTable.h"
#include "model/MacroFile.h"
#include "model/ProfileFiles.h"

#include <QSettings>
#include <QtTest>

namespace {
using Bytes = QVector<int>;

// Records when polling was stopped and started, counted in reports the mouse had received.
class PollingRecorder : public PollingControl
{
public:
    explicit PollingRecorder(VirtualMouseRig& rig) : m_Rig(rig) {}
    int startPolling() override
    {
        starts << m_Rig.reports().size();
        return 1;
    }
    void stopPolling() override { stops << m_Rig.reports().size(); }
    QList<int> starts;
    QList<int> stops;

private:
    VirtualMouseRig& m_Rig;
};

MacroEvent keyEvent(quint8 usage, bool press)
{
    MacroEvent e;
    e.Map = press ? 0x84 : 0x04;
    e.DataL = usage;
    return e;
}

MacroEvent delayEvent(int count)
{
    MacroEvent e;
    e.Map = 6;
    e.DataH = quint8(count >> 8);
    e.DataL = quint8(count & 0xFF);
    return e;
}

void setMacro(ButtonAssignment& b, const QString& name, int loops = 1, quint8 mode = 0)
{
    b.Fun = FunctionCode::Macro;
    b.macroname = name;
    b.LoopNumber = loops;
    b.Res1 = mode;
}

Bytes slot(const VirtualMouseConfig& held, int s)
{
    const auto& b = held.buttons[s];
    return Bytes{b[0], b[1], b[2], b[3]};
}

Bytes blockHead(const QByteArray& block, int n)
{
    Bytes out;
    for (int i = 0; i < n && i < block.size(); ++i)
        out << quint8(block.at(i));
    return out;
}

// Runs `action` when the mouse receives a report whose byte `at` is `value`.
template <typename Action> void onReport(VirtualMouseRig& rig, int at, quint8 value, Action action)
{
    QObject::connect(
        &rig.mouse(), &VirtualMouse::reportReceived, &rig.mouse(),
        [=](VirtualMouse::Link, const QByteArray& report) {
            if (quint8(report.at(at)) == value)
                action();
        },
        Qt::DirectConnection);
}

void setDescription(const QString& key, const QVariant& value)
{
    QSettings s(AppPaths::deviceDescriptionFile(), QSettings::IniFormat);
    s.setValue("PROFILE/" + key, value);
}
} // namespace

class TestWriteSequence : public QObject
{
    Q_OBJECT

private:
    // The sample installation (sensor 3389, nine buttons, matrix with buttons 3 and 4 crossed,
    // sync variant 3) with a configuration that touches every report.
    MouseConfig sampleConfig()
    {
        MouseConfig config;
        ProfileFiles::loadConfiguration(config);
        config.LiftHigh = 2;
        config.AngleValue = 1;
        config.Debounce = 9;
        config.Sync = 1;
        ProfileData& p = config.Profile[0];
        p.dpi = 2;
        p.pollrate = 2;
        p.LedMode = 2;
        p.LedSleepTime = 4;
        p.LedMoveOFF = 0;
        p.LedInfo[2].breath = 3;
        p.LedInfo[2].bright = 4;
        for (int m = 0; m < ProfileData::kLedModeCount; ++m)
            p.LedInfo[m].colour = QColor(10 * m, 1, 2);
        for (int i = 0; i < ProfileData::kDpiLevelCount; ++i) {
            p.DpiInfo[i].x = quint32(100 + i);
            p.DpiInfo[i].y = quint32(200 + i);
        }
        p.DpiInfo[7].x = 400; // above 320: range 1, value x - 160
        for (ButtonAssignment& b : p.ButtonInfo)
            b = ButtonAssignment();
        p.ButtonInfo[0].Fun = FunctionCode::LeftClick;
        p.ButtonInfo[1].Fun = FunctionCode::RightClick;
        p.ButtonInfo[2].Fun = FunctionCode::MiddleClick;
        setMacro(p.ButtonInfo[3], "alpha", 2);
        setMacro(p.ButtonInfo[4], "beta", 1, 1);
        p.ButtonInfo[5].Fun = FunctionCode::DpiUp;
        p.ButtonInfo[6].Fun = FunctionCode::SingleKey;
        p.ButtonInfo[6].Res1 = 30; // A
        p.ButtonInfo[7].Fun = FunctionCode::ButtonOff;
        setMacro(p.ButtonInfo[8], "alpha", 3); // shares alpha's index and block
        setMacro(p.ButtonInfo[12], "delta");   // beyond the nine buttons: never indexed
        p.ButtonInfo[40].Fun = FunctionCode::ScrollUp;
        p.ButtonInfo[41].Fun = FunctionCode::ScrollDown;
        setMacro(config.Profile[3].ButtonInfo[0], "gamma"); // only in profile 3

        MacroFile::saveEventList("alpha", {keyEvent(4, true), keyEvent(4, false)});
        MacroFile::saveEventList("beta", {keyEvent(5, true), delayEvent(300), keyEvent(5, false)});
        MacroFile::saveEventList("gamma", {keyEvent(6, true), keyEvent(6, false)});
        MacroFile::saveEventList("delta", {keyEvent(7, true), keyEvent(7, false)});
        return config;
    }

    std::unique_ptr<TestAppFolder> m_Folder;

private slots:
    void init()
    {
        GlobalRecords::deviceCopy() = MouseConfig();
        m_Folder = std::make_unique<TestAppFolder>();
        QVERIFY(m_Folder->isValid());
    }
    void cleanup() { m_Folder.reset(); }

    void fullWriteIsHeldByTheMouse()
    {
        VirtualMouseRig rig;
        PollingRecorder polling(rig);
        const MouseConfig config = sampleConfig();

        WriteSequence sequence(&polling);
        QCOMPARE(int(sequence.run(config, 0)), 0);

        // Order of the reports; mask 0 still sends everything.
        QCOMPARE(rig.types(),
                 (QList<int>{0x00, 0x01, 0x02, 0x04, 0x07, 0x08, 0x09, 0x05, 0x06, 0x10,
                             0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A,
                             0x1B, 0x1C, 0x1D, 0x1E, 0x1F, 0x20, 0x21, 0x00}));
        QCOMPARE(polling.stops, QList<int>{0});
        QCOMPARE(polling.starts, QList<int>{rig.types().size()});

        const VirtualMouseConfig held = rig.mouse().heldConfiguration();
        QCOMPARE(held.appliedSessions, 1);
        QCOMPARE(int(held.dpiLevel), 2);
        QCOMPARE(int(held.rate), 2);
        // Sync variant 3 sends the debounce time (9) in place of angle snapping.
        QCOMPARE(
            (QVector<int>{held.ledMode, held.ledSpeed, held.ledBrightness, held.liftHigh,
                          held.ledSleepTime, held.ledMoveOff, held.angleOrDebounce, held.sync}),
            (QVector<int>{2, 3, 4, 2, 4, 1, 9, 1}));
        QVERIFY(held.activeColour == (VirtualMouseConfig::Rgb{20, 1, 2}));
        for (int m = 0; m < 8; ++m)
            QVERIFY(held.modeColours[m] == (VirtualMouseConfig::Rgb{quint8(10 * m), 1, 2}));
        for (int i = 0; i < 7; ++i)
            QVERIFY(held.dpiTable[i] ==
                    (VirtualMouseConfig::DpiEntry{0, quint16(100 + i), quint16(200 + i)}));
        QVERIFY(held.dpiTable[7] == (VirtualMouseConfig::DpiEntry{1, 240, 207}));

        quint8 usageA = 0;
        KeyTable::keyCodeToUsage(30, usageA);
        // Slot 4 holds button 3 by the matrix, slot 3 button 4 (beta, repeated while held);
        // slot 8 is alpha again with the same index; 14 and 15 are the wheel.
        const Bytes expected[] = {{0x81, 0, 0, 0},          {0x82, 0, 0, 0}, {0x83, 0, 0, 0},
                                  {0x91, 0x81, 0xFF, 0xFF}, {0x91, 0, 2, 0}, {0x8A, 0, 0, 0},
                                  {0x90, 0, usageA, 0},     {0, 0, 0, 0},    {0x91, 0, 3, 0}};
        for (int s = 0; s < 9; ++s)
            QCOMPARE(slot(held, s), expected[s]);
        QCOMPARE(slot(held, 14), (Bytes{0x8B, 0, 0, 0}));
        QCOMPARE(slot(held, 15), (Bytes{0x8C, 0, 0, 0}));

        // alpha: two events, the closing delay, a zero entry; beta kept as recorded.
        QCOMPARE(blockHead(held.macroBlocks[0], 15),
                 (Bytes{0x84, 4, 0, 0x04, 4, 0, 6, 1, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(blockHead(held.macroBlocks[1], 12),
                 (Bytes{0x84, 5, 0, 6, 0x2C, 0x01, 0x04, 5, 0, 0, 0, 0}));
        for (int m = 2; m < VirtualMouseConfig::kMacroBlockCount; ++m)
            QVERIFY2(!held.hasMacroBlock(m), qPrintable(QString::number(m)));

        // The device copy is what was written, with the macro indexes noted in Res4.
        const MouseConfig& device = GlobalRecords::deviceCopy();
        QCOMPARE(device.Profile[0].dpi, config.Profile[0].dpi);
        QCOMPARE(device.ProfileNames[4], config.ProfileNames[4]);
        QCOMPARE(int(device.Profile[0].ButtonInfo[4].Res4), 1);
    }

    void retriesWithinBudgetKeepEveryChecksum()
    {
        VirtualMouseRig rig;
        rig.mouse().dropAnswers(3);
        rig.mouse().zeroAnswers(2);
        WriteSequence sequence;
        QCOMPARE(int(sequence.run(sampleConfig(), 15)), 0);
        QCOMPARE(rig.mouse().heldConfiguration().appliedSessions, 1);
        QCOMPARE(rig.mouse().rejectedReports(), 0);
    }

    void failureStopsTheSequence()
    {
        VirtualMouseRig rig;
        // The write after the first button report fails.
        onReport(rig, 1, 0x07, [&rig] { rig.mouse().failWrites(1); });
        BatteryPoller poller;
        poller.startPolling();
        QVERIFY(poller.isPolling());

        WriteSequence sequence(&poller);
        QCOMPARE(int(sequence.run(sampleConfig(), 15)), 4);
        // The battery thread may have sent its query just before it was stopped.
        QList<int> types = rig.types();
        types.removeAll(0x0A);
        QCOMPARE(types, (QList<int>{0x00, 0x01, 0x02, 0x04, 0x07}));
        QCOMPARE(rig.mouse().heldConfiguration().appliedSessions, 0);

        // Polling goes on after the failure.
        QVERIFY(poller.isPolling());
        poller.stopPolling();
        QVERIFY(BatteryPoller::waitForThreads(3000));
    }

    void unplugMidSequence()
    {
        VirtualMouseRig rig;
        onReport(rig, 1, 0x05, [&rig] { rig.mouse().unplug(VirtualMouse::Link::Receiver); });
        PollingRecorder polling(rig);
        WriteSequence sequence(&polling);
        QVERIFY(sequence.run(sampleConfig(), 15) != 0);
        QCOMPARE(rig.types().last(), 0x05);
        // Polling goes on after the failure, so the window still follows the mouse.
        QCOMPARE(polling.starts.size(), 1);
        QCOMPARE(rig.mouse().heldConfiguration().appliedSessions, 0);
    }

    void macrosBeyondTheMouseBlocks()
    {
        setDescription("ButtonCount", 14);
        setDescription("MouseDpi", 0);
        for (int i = 0; i < 16; ++i)
            GlobalRecords::buttonMatrix()[i] = quint8(i);
        VirtualMouseRig rig;
        MouseConfig config = sampleConfig();
        ProfileData& p = config.Profile[0];
        for (int b = 0; b < 14; ++b) {
            const QString name = QString("m%1").arg(b);
            setMacro(p.ButtonInfo[b], name, 1);
            MacroFile::saveEventList(name, {keyEvent(quint8(4 + b), true)});
        }
        // 14 macros for 12 blocks: the twelve that fit are sent, the rest cannot be.
        WriteSequence sequence;
        QTest::ignoreMessage(QtDebugMsg, "iIndex>=MAX_MACRO_NUMBER_560\n");
        QCOMPARE(int(sequence.run(config, 15)), 0);
        const VirtualMouseConfig held = rig.mouse().heldConfiguration();
        for (int m = 0; m < 12; ++m) {
            QVERIFY(held.hasMacroBlock(m));
            QCOMPARE(quint8(held.macroBlocks[m].at(1)), quint8(4 + m));
        }
        QVERIFY(!rig.types().contains(16 + 9 * 12));
    }

    // Both short forms go out on the job's thread between a stop and a restart of polling; the
    // result is the first failure, the select's write included though it has no echo.
    void selectProfile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("received");
        QTest::newRow("healthy") << "" << 0 << 2;
        QTest::newRow("select write fails") << "write" << 4 << 1;
        QTest::newRow("refresh never echoed") << "read" << 2 << 4;
        QTest::newRow("no mouse") << "close" << 1 << 0;
    }
    void selectProfile()
    {
        QFETCH(QString, fault);
        QFETCH(int, result);
        QFETCH(int, received);
        VirtualMouseRig rig;
        CommandTransport::setSleepFunction([](unsigned long) {});
        if (fault == "write")
            rig.mouse().failWrites(1);
        else if (fault == "read")
            rig.mouse().failReads(1000);
        else if (fault == "close")
            DeviceLink::instance().closeAll();
        PollingRecorder polling(rig);
        ProfileSelectThread job(3, &polling);
        job.start();
        QVERIFY(job.wait(10000));
        CommandTransport::setSleepFunction(nullptr);
        QCOMPARE(int(job.result()), result);
        QCOMPARE(rig.reports().size(), received);
        QCOMPARE(polling.stops, QList<int>{0});
        QCOMPARE(polling.starts, result == 1 ? QList<int>() : QList<int>{received});
    }

    void refreshSet()
    {
        VirtualMouseRig rig;
        QCOMPARE(int(DeviceCommands::sendProfileRefreshSet()), 0);
        QCOMPARE(rig.mouse().heldConfiguration().refreshCodes,
                 (QList<quint8>{0x04, 0x01, 0x02, 0x08, 0x10}));

        rig.clearLog();
        onReport(rig, 6, 0x01, [&rig] { rig.mouse().failWrites(1); });
        QCOMPARE(int(DeviceCommands::sendProfileRefreshSet()), 4);
        QCOMPARE(rig.reports().size(), 2); // stopped after the failed third
    }
};

QTEST_GUILESS_MAIN(TestWriteSequence)
#include "tst_writesequence.moc"
