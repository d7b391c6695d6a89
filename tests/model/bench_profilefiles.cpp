// Loading the configuration and saving one profile, each against the floor of QSettings alone
// doing the same reads or writes on the same files with key strings and values prepared
// beforehand; the two sides alternate, and the counters give both times and their ratio.
#include "TestAppFolder.h"
#include "model/AppPaths.h"
#include "model/ProfileFiles.h"

#include <QCoreApplication>
#include <QSettings>
#include <QVariant>

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

// QSettings alone writing the keys and values saveProfile writes.
struct SaveFloor
{
    const QString path = installation().slotFiles.first();
    const QStringList keys = profileKeys();
    QVector<QVariant> values;

    SaveFloor()
    {
        // The values the profile file holds, read back from it and typed as they are written:
        // numbers, texts and colours.
        ProfileFiles::saveProfile(installation().config.Profile[0], path);
        const QSettings s(path, QSettings::IniFormat);
        for (const QString& key : keys) {
            const QVariant v = s.value(key);
            const bool keep = key.endsWith("_RGB") || key.endsWith("macroname") ||
                              key.endsWith("ProfileName") || key.endsWith("ProfilePath");
            values << (keep ? v : QVariant(v.toInt()));
        }
    }

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

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    installation().folder.reset();
    return 0;
}
