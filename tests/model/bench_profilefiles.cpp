// Loading the configuration and saving one profile, each against the floor of QSettings alone
// doing the same reads or writes on the same files with key strings and values prepared
// beforehand; the two sides alternate, and the counters give both times and their ratio.
#include "TestAppFolder.h"
#include "model/AppPaths.h"
#include "model/ProfileFiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QVariant>

#include <algorithm>
#include <cstdio>

#include <benchmark/benchmark.h>

#include "ProfileKeyList.h"
#include <ctime>

#include <memory>

namespace {
QStringList profileKeys()
{
    QStringList keys = profileRecordKeys();
    for (QString& key : keys)
        key.prepend("PROFILE/");
    return keys;
}

ProfileData sampleProfile(int seed)
{
    ProfileData p;
    p.dpi = static_cast<quint8>(seed % 8);
    for (int i = 0; i < ProfileData::kDpiLevelCount; ++i)
        p.DpiInfo[i] = {1, 1, quint32(8 * (i + 1)), quint32(8 * (i + 1)), quint32(8 * (i + 1))};
    for (int b = 0; b < ProfileData::kButtonCount; ++b) {
        ButtonAssignment& btn = p.ButtonInfo[b];
        btn.Fun = (b * 7 + seed) % 60;
        for (int k = 0; k < ButtonAssignment::kKeyInfoCount; ++k)
            for (int j = 0; j < 3; ++j)
                btn.KeyInfo[k][j] = static_cast<quint8>(b * 31 + k * 7 + j + seed);
        btn.macroname = b % 4 == 0 ? QStringLiteral("Macro %1").arg(b) : QString();
    }
    for (int m = 0; m < ProfileData::kLedModeCount; ++m)
        p.LedInfo[m] = {QColor(m * 18, 255 - m * 18, seed), 360, 0, 0, 3, 3};
    p.ProfileName = QStringLiteral("Profile %1").arg(seed + 1);
    return p;
}

// A sample installation whose five slots hold full profiles.
struct Installation
{
    std::unique_ptr<TestAppFolder> folder;
    MouseConfig config;
    QStringList slotFiles;

    Installation()
    {
        folder = std::make_unique<TestAppFolder>(QStringLiteral("hornbeam"));
        ProfileFiles::loadConfiguration(config);
        for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
            config.Profile[i] = sampleProfile(i);
            ProfileFiles::saveProfileByName(config.Profile[i], config.ProfileNames[i]);
            slotFiles << ProfileFiles::profilePath(config.ProfileNames[i]);
        }
    }
};

Installation& installation()
{
    static Installation inst;
    return inst;
}

// QSettings alone reading what loadConfiguration reads.
struct LoadFloor
{
    const QStringList keys = profileKeys();
    QStringList configKeys{"Config/ProfileID", "Config/AngleValue", "Config/LiftHigh",
                           "Config/Sync",      "Config/Jitter",     "Config/Debounce",
                           "Config/Wake",      "Config/SensorMode", "Config/Count"};
    QStringList matrixKeys;
    const QString configIni = AppPaths::configIni();
    const QString description = AppPaths::deviceDescriptionFile();
    const QStringList slotFiles = installation().slotFiles;

    LoadFloor()
    {
        for (int i = 0; i < 16; ++i)
            matrixKeys << QString::asprintf("PROFILE/BUTTON_INFO_%d_Matrix", i);
        for (int i = 1; i <= 5; ++i)
            configKeys << QString::asprintf("Config/Profile%d", i);
    }

    void run() const
    {
        {
            const QSettings s(configIni, QSettings::IniFormat);
            for (const QString& key : configKeys)
                benchmark::DoNotOptimize(s.value(key));
        }
        for (const QString& file : slotFiles) {
            const QSettings s(file, QSettings::IniFormat);
            for (const QString& key : keys)
                benchmark::DoNotOptimize(s.value(key));
        }
        const QSettings d(description, QSettings::IniFormat);
        for (const QString& key : matrixKeys)
            benchmark::DoNotOptimize(d.value(key));
    }
};

// The values a saved profile file holds, read back from it and typed as they are written:
// numbers, texts and colours.
QVector<QVariant> typedValues(const ProfileData& profile, const QString& path,
                              const QStringList& keys)
{
    ProfileFiles::saveProfile(profile, path);
    const QSettings s(path, QSettings::IniFormat);
    QVector<QVariant> values;
    for (const QString& key : keys) {
        const QVariant v = s.value(key);
        const bool keep = key.endsWith("_RGB") || key.endsWith("macroname") ||
                          key.endsWith("ProfileName") || key.endsWith("ProfilePath");
        values << (keep ? v : QVariant(v.toInt()));
    }
    return values;
}

// QSettings alone writing the keys and values saveProfile writes.
struct SaveFloor
{
    const QString path = installation().slotFiles.first();
    const QStringList keys = profileKeys();
    const QVector<QVariant> values = typedValues(installation().config.Profile[0], path, keys);

    void run() const
    {
        QSettings s(path, QSettings::IniFormat);
        for (int i = 0; i < keys.size(); ++i)
            s.setValue(keys.at(i), values.at(i));
    }
};

// The machine may be shared: the two sides alternate within every iteration so that both see the
// same load, and the thread CPU time of each side is summed separately.
double threadCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

template <class Ours, class Floor> void paired(benchmark::State& state, Ours&& ours, Floor&& floor)
{
    double oursTime = 0;
    double floorTime = 0;
    for (auto _ : state) {
        double t0 = threadCpuSeconds();
        ours();
        double t1 = threadCpuSeconds();
        floor();
        double t2 = threadCpuSeconds();
        oursTime += t1 - t0;
        floorTime += t2 - t1;
    }
    const double n = double(state.iterations());
    state.counters["ours_ms"] = oursTime / n * 1e3;
    state.counters["floor_ms"] = floorTime / n * 1e3;
    state.counters["ratio"] = floorTime > 0 ? oursTime / floorTime : 0;
}

void BM_LoadConfigurationVsFloor(benchmark::State& state)
{
    const LoadFloor floor;
    MouseConfig config;
    paired(
        state, [&] { ProfileFiles::loadConfiguration(config); }, [&] { floor.run(); });
    if (config != installation().config)
        state.SkipWithError("loaded configuration differs from the saved one");
}

void BM_SaveProfileVsFloor(benchmark::State& state)
{
    const SaveFloor floor;
    const ProfileData& profile = installation().config.Profile[0];
    paired(
        state, [&] { ProfileFiles::saveProfile(profile, floor.path); }, [&] { floor.run(); });
}

BENCHMARK(BM_LoadConfigurationVsFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveProfileVsFloor)->Unit(benchmark::kMillisecond);
} // namespace

namespace {
double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

// One profile saved the tool's way and QSettings' way, alternating, each time over a file that
// holds the other of two profiles so that both sides really write. Medians of the thread's CPU
// time, and of the wall time, which adds the waits for the disk both sides sync to.
void printProfileSaveFigures()
{
    const ProfileData profiles[2] = {sampleProfile(0), sampleProfile(1)};
    const QString ours = AppPaths::profileDir() + "/bench-tool.prof";
    const QString theirs = AppPaths::profileDir() + "/bench-qsettings.prof";
    const QStringList keys = profileKeys();
    const QVector<QVariant> values[2] = {typedValues(profiles[0], theirs, keys),
                                         typedValues(profiles[1], theirs, keys)};
    QVector<double> cpu[2];
    QVector<double> wall[2];
    QElapsedTimer timer;
    for (int i = 0; i < 41; ++i) {
        for (int side = 0; side < 2; ++side) {
            timer.start();
            const double t0 = threadCpuSeconds();
            if (side == 0) {
                ProfileFiles::saveProfile(profiles[i % 2], ours);
            } else {
                QSettings s(theirs, QSettings::IniFormat);
                for (int k = 0; k < keys.size(); ++k)
                    s.setValue(keys.at(k), values[i % 2].at(k));
            }
            cpu[side] << (threadCpuSeconds() - t0) * 1e3;
            wall[side] << timer.nsecsElapsed() / 1e6;
        }
    }
    for (const auto* figures : {cpu, wall}) {
        const double tool = median(figures[0]);
        const double floor = median(figures[1]);
        std::printf("profile save%s: tool %.2f ms, QSettings %.2f ms, ratio %.1f\n",
                    figures == cpu ? "" : " (wall time)", tool, floor,
                    tool > 0 ? floor / tool : 0.0);
    }
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    installation();
    printProfileSaveFigures();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    installation().folder.reset();
    return 0;
}
