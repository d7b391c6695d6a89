// Writing a whole configuration to the in-process virtual mouse, with no macros and with twelve,
// against the protocol's floor: 10 ms after every report and 50 ms for every uploaded macro.
#include "QuietDebug.h"
#include "TestAppFolder.h"
#include "VirtualMouseRig.h"

#include "device/WriteSequence.h"
#include "model/AppPaths.h"
#include "model/GlobalRecords.h"
#include "model/MacroFile.h"
#include "model/ProfileFiles.h"

#include <QCoreApplication>
#include <QSettings>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

namespace {
MouseConfig configWithMacros(int macros)
{
    MouseConfig config;
    ProfileFiles::loadConfiguration(config);
    for (int i = 0; i < 16; ++i)
        GlobalRecords::buttonMatrix()[i] = quint8(i);
    ProfileData& p = config.Profile[0];
    // Twelve macros on fourteen buttons and the wheel.
    const int records[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 40};
    for (int i = 0; i < macros; ++i) {
        const QString name = QString("macro_%1").arg(i);
        QVector<MacroEvent> events;
        for (int e = 0; e < 20; ++e) {
            MacroEvent ev;
            ev.Map = quint8(e % 2 ? 0x04 : 0x84);
            ev.DataL = quint8(4 + i);
            events << ev;
        }
        MacroFile::saveEventList(name, events);
        ButtonAssignment& b = p.ButtonInfo[records[i]];
        b.Fun = FunctionCode::Macro;
        b.macroname = name;
        b.LoopNumber = 1;
    }
    return config;
}

void BM_WriteSequence(benchmark::State& state)
{
    const int macros = int(state.range(0));
    TestAppFolder folder;
    {
        QSettings s(AppPaths::deviceDescriptionFile(), QSettings::IniFormat);
        s.setValue("PROFILE/ButtonCount", 14);
        s.setValue("PROFILE/MouseDpi", 0);
    }
    const MouseConfig config = configWithMacros(macros);
    VirtualMouseRig rig;

    int reports = 0;
    int uploaded = 0;
    double totalMs = 0;
    for (auto _ : state) {
        rig.clearLog();
        WriteSequence sequence;
        const auto start = std::chrono::steady_clock::now();
        const quint8 result = sequence.run(config, 15);
        const auto end = std::chrono::steady_clock::now();
        if (result != 0) {
            state.SkipWithError("write failed");
            return;
        }
        const double ms = std::chrono::duration<double, std::milli>(end - start).count();
        state.SetIterationTime(ms / 1000.0);
        totalMs += ms;
        reports = rig.reports().size();
        uploaded = 0;
        for (int m = 0; m < VirtualMouseConfig::kMacroBlockCount; ++m)
            uploaded += rig.mouse().heldConfiguration().hasMacroBlock(m) ? 1 : 0;
    }
    const double floorMs = reports * 10.0 + uploaded * 50.0;
    const double wallMs = totalMs / double(state.iterations());
    state.counters["reports"] = reports;
    state.counters["macros"] = uploaded;
    state.counters["floor_ms"] = floorMs;
    state.counters["wall_ms"] = wallMs;
    state.counters["ratio"] = wallMs / floorMs;
}
BENCHMARK(BM_WriteSequence)
    ->Arg(0)
    ->Arg(12)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(quietDebug);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
