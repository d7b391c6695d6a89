#include "model/ProfilePrefetch.h"

#include "model/AppPaths.h"
#include "model/FileStamp.h"
#include "model/IniFileCheck.h"
#include "model/IniValues.h"
#include "model/ProfileData.h"
#include "model/ProfileFiles.h"
#include "model/ProfileRecordIo.h"

#include <future>
#include <mutex>

namespace {
struct ReadAhead
{
    QString path;
    FileStamp stamp;
    std::unique_ptr<IniValues> values;
    std::unique_ptr<ProfileData> profile;
};

struct Pending
{
    std::mutex mutex;
    std::future<ReadAhead> reading;
    ReadAhead done;
};

Pending& pending()
{
    static Pending p;
    return p;
}

ReadAhead readAhead()
{
    ReadAhead ahead;
    QByteArray text;
    if (IniFileCheck::inspect(AppPaths::configIni(), &text) == IniFileCheck::Verdict::Sound) {
        // Its [Config] section alone: the others hold escaped texts, which are left to the
        // guarded reader on the interface thread (it may have to repair the file, and tell).
        const int from = text.startsWith("[Config]") ? 0 : text.indexOf("\n[Config]") + 1;
        if (from >= 0 && text.mid(from, 8) == "[Config]") {
            const int next = text.indexOf("\n[", from);
            const IniValues config(text.mid(from, next < 0 ? -1 : next + 1 - from));
            if (config.isComplete())
                ahead.path = ProfileFiles::activeProfilePath(config);
        }
    }
    if (!ahead.path.isEmpty()) {
        // The stamp on both sides of the read: a file written meanwhile is not taken.
        const FileStamp before = FileStamp::ofPath(ahead.path);
        QByteArray profile;
        if (before.size >= 0 &&
            IniFileCheck::inspect(ahead.path, &profile) == IniFileCheck::Verdict::Sound &&
            FileStamp::ofPath(ahead.path) == before) {
            auto values = std::make_unique<IniValues>(profile);
            if (values->isComplete()) {
                auto profile = std::make_unique<ProfileData>();
                if (ProfileFiles::readFullProfile(*profile, *values))
                    ahead.profile = std::move(profile);
                ahead.stamp = before;
                ahead.values = std::move(values);
            }
        }
    }
    // The key names every profile read looks up.
    ProfileRecordIo::keys(QStringLiteral("PROFILE"));
    return ahead;
}
} // namespace

void ProfilePrefetch::start()
{
    Pending& p = pending();
    const std::lock_guard<std::mutex> lock(p.mutex);
    if (!p.reading.valid())
        p.reading = std::async(std::launch::async, readAhead);
}

ProfilePrefetch::Taken ProfilePrefetch::take(const QString& path)
{
    Pending& p = pending();
    const std::lock_guard<std::mutex> lock(p.mutex);
    if (p.reading.valid())
        p.done = p.reading.get();
    if (!p.done.values || p.done.path != path)
        return {};
    Taken taken{std::move(p.done.values), std::move(p.done.profile)};
    return FileStamp::ofPath(path) == p.done.stamp ? std::move(taken) : Taken();
}
