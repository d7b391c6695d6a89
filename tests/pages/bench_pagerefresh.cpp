// A profile switch reported by the mouse, as the battery thread's status report delivers it to
// the main window: every page reloaded from the new profile (the DPI tab shown and repainted),
// the slot stored in Config.ini, the profile menu rebuilt, the pointer speed applied and the
// switch announced. Target: under 16 ms, one frame. The second case is the page refresh and
// repaint alone, without the settings file the switch writes.
#include "QuietDebug.h"
#include "tests/app/WindowRig.h"

#include "model/GlobalRecords.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

namespace {
// The skin the build rendered, so that the pages draw their images as in the application folder
// instead of looking for missing files at every repaint.
void copySkin(const QString& folder)
{
    const QDir skin(QCoreApplication::applicationDirPath() + "/../bin/skin");
    QDir(folder).mkpath("skin");
    for (const QString& name : skin.entryList(QDir::Files))
        QFile::copy(skin.filePath(name), folder + "/skin/" + name);
}

// Profiles 0 and 1 differ in everything the DPI tab shows; the window shows that tab.
void prepare(MousecfgWidget& w)
{
    MouseConfig& live = GlobalRecords::live();
    for (int i = 0; i < ProfileData::kDpiLevelCount; ++i) {
        live.Profile[1].DpiInfo[i].x = live.Profile[0].DpiInfo[i].x + 10;
        live.Profile[1].DpiInfo[i].link = 0;
    }
    live.Profile[1].dpi = 4;
    live.Profile[1].pollrate = 2;
    w.show();
    w.pages()->show(2);
    QApplication::processEvents();
}

void BM_ProfileSwitchRefresh(benchmark::State& state)
{
    WindowRig rig(QStringLiteral("hornbeam"), true, false, 10, copySkin);
    MousecfgWidget& w = rig.window();
    prepare(w);
    MouseConfig& live = GlobalRecords::live();
    quint8 slot = 0;
    for (auto _ : state) {
        slot = quint8(1 - slot);
        const ProfileData& next = live.Profile[slot];
        const auto start = std::chrono::steady_clock::now();
        w.statusFollower()->slotRefreshStatus(slot, next.dpi, next.pollrate, 0);
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

void BM_RefreshPagesOnly(benchmark::State& state)
{
    WindowRig rig(QStringLiteral("hornbeam"), true, false, 10, copySkin);
    MousecfgWidget& w = rig.window();
    prepare(w);
    MouseConfig& live = GlobalRecords::live();
    for (auto _ : state) {
        live.ProfileID = quint8(1 - live.ProfileID);
        const auto start = std::chrono::steady_clock::now();
        w.refreshPages();
        QApplication::processEvents();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK(BM_RefreshPagesOnly)->UseManualTime()->Unit(benchmark::kMillisecond);
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
