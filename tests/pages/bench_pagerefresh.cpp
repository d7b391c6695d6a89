// A profile switch reported by the mouse, as the battery thread's status report delivers it to
// the main window: every page reloaded from the new profile (the DPI tab shown and repainted),
// the slot stored, the profile menu rebuilt, the pointer speed applied and the switch announced.
// Target: under 16 ms, one frame.
#include "tests/app/WindowRig.h"

#include "model/GlobalRecords.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

namespace {
void quietDebug(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

void BM_ProfileSwitchRefresh(benchmark::State& state)
{
    WindowRig rig;
    MousecfgWidget& w = rig.window();
    // Two profiles that differ in everything the DPI tab shows.
    MouseConfig& live = GlobalRecords::live();
    for (int i = 0; i < ProfileData::kDpiLevelCount; ++i) {
        live.Profile[1].DpiInfo[i].x = live.Profile[0].DpiInfo[i].x + 10;
        live.Profile[1].DpiInfo[i].link = 0;
    }
    live.Profile[1].dpi = 4;
    live.Profile[1].pollrate = 2;
    w.show();
    w.showPage(2);
    QApplication::processEvents();

    quint8 slot = 0;
    for (auto _ : state) {
        slot = quint8(1 - slot);
        const ProfileData& next = live.Profile[slot];
        const auto start = std::chrono::steady_clock::now();
        w.slotRefreshStatus(slot, next.dpi, next.pollrate, 0);
        QApplication::processEvents(); // the repaint of the page on screen
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (w.currentProfile() != slot) {
            state.SkipWithError("the window did not switch");
            return;
        }
    }
}
BENCHMARK(BM_ProfileSwitchRefresh)->UseManualTime()->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(quietDebug);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
