// What the user waits for in the window, each beside a baseline measured in turn in the same
// loop (medians of the rounds), against the in-process virtual mouse:
//   Apply: click -> first report on the wire, against a bare write sequence started directly;
//          click -> last report, and the sequence alone, against the protocol floor (10 ms after
//          every report)
//   DPI press: the interface thread's cost of the mouse's status report that names a new level,
//          against one that names a new rate (announced alike, nothing stored); and press ->
//          announcement against one turn of the event loop
//   profile switch: a slot change reported to the window, against a page refresh alone
// Targets: click -> first report 20 ms, write 1.05x its floor, DPI press 2 ms on the interface
// thread and 16 ms to the announcement, profile switch 8 ms.
#include "QuietDebug.h"
#include "tests/app/WindowRig.h"

#include "device/KivoGetBatteryThread.h"
#include "device/WriteSequence.h"
#include "model/DpiLevelStore.h"
#include "model/GlobalRecords.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
constexpr int kRounds = 9;
using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start, Clock::time_point end = Clock::now())
{
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void print(const char* what, const std::vector<double>& figure, const std::vector<double>& base,
           const char* baseName)
{
    const double f = median(figure);
    const double b = median(base);
    std::printf("%-34s %8.2f ms   %-26s %8.2f ms   ratio %5.2f\n", what, f, baseName, b,
                b > 0 ? f / b : 0.0);
}

// The first report the mouse receives after `start`, as the mouse's own thread sees it.
struct FirstReport
{
    std::atomic<qint64> iAtNs{0};
    std::atomic<int> iReports{0};
    Clock::time_point start;
    void arm()
    {
        iAtNs = 0;
        iReports = 0;
        start = Clock::now();
    }
    void seen()
    {
        if (iReports++ == 0)
            iAtNs =
                std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count();
    }
    double ms() const { return double(iAtNs.load()) / 1e6; }
};

void applyFigures(WindowRig& rig)
{
    MousecfgWidget& w = rig.window();
    FirstReport first;
    QObject::connect(
        rig.m_Mouse.get(), &VirtualMouse::reportReceived, rig.m_Mouse.get(),
        [&first](VirtualMouse::Link, const QByteArray&) { first.seen(); }, Qt::DirectConnection);
    std::vector<double> click, direct, whole, floor, sequence, sequenceFloor;
    for (int i = 0; i < kRounds; ++i) {
        // Each round changes the rate, so that the write has something to send.
        MouseConfig& live = GlobalRecords::live();
        live.activeProfile().pollrate = quint8(i % 2 ? 2 : 8);
        first.arm();
        rig.button("applyButton")->click();
        click.push_back(first.ms());
        whole.push_back(msSince(first.start));
        floor.push_back(first.iReports * 10.0);

        live.activeProfile().pollrate = quint8(i % 2 ? 8 : 2);
        first.arm();
        WriteSequence(w.batteryPoller()).run(live, 15);
        direct.push_back(first.ms());
        sequence.push_back(msSince(first.start));
        sequenceFloor.push_back(first.iReports * 10.0);
        GlobalRecords::snapshot() = live;
    }
    print("Apply: click -> first report", click, direct, "bare sequence");
    print("Apply: click -> last report", whole, floor, "protocol floor");
    print("write sequence alone", sequence, sequenceFloor, "protocol floor");
}

void dpiFigures(WindowRig& rig)
{
    MousecfgWidget& w = rig.window();
    StatusFollower* follower = w.statusFollower();
    std::vector<double> press, rate, announced, pressed;
    const quint8 none = KivoGetBatteryThread::kNoProfile;
    for (int i = 0; i < kRounds; ++i) {
        const ProfileData& p = GlobalRecords::live().activeProfile();
        const quint8 level = quint8((p.dpi + 1) % 4);
        auto start = Clock::now();
        follower->slotRefreshStatus(none, level, p.pollrate, 0);
        press.push_back(msSince(start));
        // The rate button: announced and shown the same way, nothing stored.
        start = Clock::now();
        follower->slotRefreshStatus(none, level, quint8(p.pollrate == 1 ? 2 : 1), 0);
        rate.push_back(msSince(start));
        DpiLevelStore::drain(); // the next round starts with the disk idle
    }
    print("DPI press: interface thread", press, rate, "rate press");

    w.startBatteryPolling();
    QTest::qWait(300);
    for (int i = 0; i < kRounds; ++i) {
        const int before = rig.m_Announcer.m_Texts.size();
        const auto start = Clock::now();
        rig.mouse().pressDpiButton();
        QElapsedTimer limit;
        limit.start();
        while (rig.m_Announcer.m_Texts.size() == before && limit.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        announced.push_back(msSince(start));
        const auto floorStart = Clock::now();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
        pressed.push_back(msSince(floorStart));
        DpiLevelStore::drain();
        QTest::qWait(50);
    }
    w.stopBatteryPolling();
    print("DPI press -> announcement", announced, pressed, "one event-loop turn");
}

void switchFigures(WindowRig& rig)
{
    MousecfgWidget& w = rig.window();
    std::vector<double> switched, refreshed;
    for (int i = 0; i < kRounds; ++i) {
        const quint8 slot = quint8(1 - w.currentProfile());
        const ProfileData& next = GlobalRecords::live().Profile[slot];
        auto start = Clock::now();
        w.statusFollower()->slotRefreshStatus(slot, next.dpi, next.pollrate, 0);
        QApplication::processEvents();
        switched.push_back(msSince(start));
        start = Clock::now();
        w.refreshPages();
        QApplication::processEvents();
        refreshed.push_back(msSince(start));
    }
    print("profile switch", switched, refreshed, "page refresh alone");
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(quietDebug);
    WindowRig rig;
    if (!rig.open()) {
        std::fprintf(stderr, "the virtual mouse did not open\n");
        return 1;
    }
    rig.window().show();
    QApplication::processEvents();
    std::printf("medians of %d rounds, each figure and its baseline taken in turn\n", kRounds);
    applyFigures(rig);
    dpiFigures(rig);
    switchFigures(rig);
    std::printf("targets: click -> first report 20 ms, write 1.05x floor, DPI press 2 ms, "
                "announcement 16 ms, profile switch 8 ms\n");
    return 0;
}
