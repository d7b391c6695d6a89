// Loading files of the shapes that cost QSettings most, each filled up to the limits of its kind:
// whatever the content, a file within them should load in well under 100 ms. A damaged file is
// set aside and salvaged by its first load, so it is written afresh before every load (untimed).
#include "TestAppFolder.h"
#include "model/AppPaths.h"
#include "model/IniFileCheck.h"
#include "model/MacroFile.h"
#include "model/ProfileFiles.h"
#include "model/SetAsideFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <functional>

namespace {
// `unit` repeated up to the limits of `path`'s kind; no unit: distinct keys, a sound file.
QByteArray fill(const QString& path, const QByteArray& head, const QByteArray& unit)
{
    const IniFileCheck::Limits limits = IniFileCheck::limitsFor(path);
    QByteArray text = head;
    // Distinct keys as wide as it takes to reach the byte and the line limit together.
    const int width = int(limits.bytes / limits.lines) - 4;
    for (int i = 0; text.size() + width + 16 <= limits.bytes && i < limits.lines - 2; ++i)
        text += unit.isEmpty() ? QByteArray::number(i).leftJustified(width, 'k') + "=1\n" : unit;
    return text;
}

const QList<QPair<const char*, QByteArray>>& shapes()
{
    static const QList<QPair<const char*, QByteArray>> list = {
        {"distinct keys", QByteArray()},
        {"one key", "a=1\n"},
        {"empty sections", "[s]\n"},
        {"empty brackets", "[]\n"},
        {"list elements", "a=b,c,d,e,f,g,h,i,j,k\n"},
        {"escapes", "a=\\x41\\x42\\x43\\x44\\x45\\x46\\x47\\x48\n"},
        {"unclosed sections", "[PROFILE\na=1\n"},
        {"huge lists", "a=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\n"},
    };
    return list;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

void run(benchmark::State& state, const QString& path, const QByteArray& text,
         const std::function<void()>& load)
{
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(path, text);
        for (const SetAsideFiles::Entry& e : SetAsideFiles::take())
            QFile::remove(e.keptPath);
        state.ResumeTiming();
        load();
    }
    state.counters["KB"] = text.size() / 1024.0;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TestAppFolder folder;
    QDir().mkpath(AppPaths::macroDir());
    const QString profile = ProfileFiles::profilePath(QStringLiteral("Profile 1"));
    const QString conf = folder.path() + "/import.conf";
    const QList<QPair<QString, std::function<void()>>> kinds = {
        {profile,
         [&] {
             ProfileData p;
             ProfileFiles::loadProfile(p, profile);
         }},
        {conf,
         [&] {
             MouseConfig c;
             ProfileFiles::importConfiguration(c, conf);
         }},
        {AppPaths::configIni(),
         [] {
             MouseConfig c;
             ProfileFiles::loadConfiguration(c);
         }},
        {MacroFile::filePath("bench"), [] { MacroFile::load(QStringLiteral("bench")); }},
    };
    for (const auto& kind : kinds) {
        for (const auto& shape : shapes()) {
            const QByteArray text = fill(kind.first, "[PROFILE]\n", shape.second);
            const QString name = QFileInfo(kind.first).fileName() + ", " + shape.first;
            benchmark::RegisterBenchmark(qPrintable(name), run, kind.first, text, kind.second)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
