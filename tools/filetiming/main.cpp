// Prints how long the program's readers take over files of the shapes that cost QSettings most,
// each filled up to the limits of its kind (model/IniFileCheck): whatever the content, a file
// within them should load in well under 100 ms. Works on a copy of an application folder:
//   file-timing <application folder copy> [rounds]
// A damaged file is set aside and salvaged by its first load, so each round writes it afresh
// (untimed). Prints the median of the rounds per file and the worst median per kind.
#include "model/AppPaths.h"
#include "model/IniFileCheck.h"
#include "model/MacroFile.h"
#include "model/ProfileFiles.h"
#include "model/SetAsideFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
// `unit` repeated up to the byte limit of `path`'s kind; no unit: distinct keys as wide as it
// takes to reach the byte and the line limit together, a sound file.
QByteArray fill(const QString& path, const QByteArray& unit)
{
    const IniFileCheck::Limits limits = IniFileCheck::limitsFor(path);
    const int width = int(limits.bytes / limits.lines) - 4;
    QByteArray text = "[PROFILE]\n";
    for (int i = 0;
         text.size() + width + 16 <= limits.bytes && (!unit.isEmpty() || i < limits.lines - 2); ++i)
        text += unit.isEmpty() ? QByteArray::number(i).leftJustified(width, 'k') + "=1\n" : unit;
    return text;
}

double medianMs(const QString& path, const QByteArray& text, const std::function<void()>& load,
                int rounds)
{
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text) != text.size())
            return -1;
        f.close();
        QElapsedTimer timer;
        timer.start();
        load();
        times.push_back(timer.nsecsElapsed() / 1e6);
        for (const SetAsideFiles::Entry& e : SetAsideFiles::take())
            QFile::remove(e.keptPath);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: file-timing <application folder copy> [rounds]\n");
        return 2;
    }
    AppPaths::setAppDir(QString::fromLocal8Bit(argv[1]));
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    QDir().mkpath(AppPaths::macroDir());
    QDir().mkpath(AppPaths::profileDir());
    const QString profile = ProfileFiles::profilePath(QStringLiteral("Profile 1"));
    const QString conf = AppPaths::appDir() + "/import.conf";
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
        {MacroFile::filePath("timing"), [] { MacroFile::load(QStringLiteral("timing")); }},
    };
    const QList<QPair<const char*, QByteArray>> shapes = {
        {"distinct keys", QByteArray()},
        {"one key", "a=1\n"},
        {"empty sections", "[s]\n"},
        {"empty brackets", "[]\n"},
        {"list elements", "a=b,c,d,e,f,g,h,i,j,k\n"},
        {"escapes", "a=\\x41\\x42\\x43\\x44\\x45\\x46\\x47\\x48\n"},
        {"unclosed sections", "[PROFILE\na=1\n"},
        {"huge lists", "a=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\n"},
    };
    for (const auto& kind : kinds) {
        const QString name = QFileInfo(kind.first).fileName();
        double worst = 0;
        for (const auto& shape : shapes) {
            const QByteArray text = fill(kind.first, shape.second);
            const double ms = medianMs(kind.first, text, kind.second, rounds);
            worst = std::max(worst, ms);
            std::printf("%-16s %-18s %5d KB %8.2f ms\n", qPrintable(name), shape.first,
                        int(text.size() / 1024), ms);
        }
        std::printf("%-16s worst %.2f ms\n\n", qPrintable(name), worst);
    }
    return 0;
}
