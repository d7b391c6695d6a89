// Lays out the profile files a fresh installation ships with, all holding the factory default
// profile of the installation's device description: the five slot profiles, their per-model
// copies with the template new profiles start from, and the per-model profile list.
//
//   sample-profiles <installation folder>
#include "model/AppPaths.h"
#include "model/DeviceDescription.h"
#include "model/ProfileFiles.h"
#include "model/ProfileRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTextStream>

namespace {
int fail(const QString& message)
{
    QTextStream(stderr) << "sample-profiles: " << message << '\n';
    return 1;
}

// Written from scratch, so that keys of an earlier layout cannot linger in the merge.
bool writeFresh(const ProfileData& profile, const QString& path)
{
    if (path.isEmpty())
        return false;
    QFile::remove(path);
    return ProfileFiles::saveProfile(profile, path);
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2)
        return fail(QStringLiteral("usage: sample-profiles <installation folder>"));
    AppPaths::setAppDir(QDir(args.at(1)).absolutePath());
    if (!DeviceDescription::exists())
        return fail(QStringLiteral("no %1").arg(AppPaths::deviceDescriptionFile()));
    if (DeviceDescription::buttonCount() == 0)
        return fail(QStringLiteral("the device description describes no buttons"));

    ProfileData profile;
    ProfileRules::buildDefaultProfile(profile);
    QStringList names;
    for (int n = 1; n <= MouseConfig::kProfileCount; ++n) {
        const QString name = QStringLiteral("Profile %1").arg(n);
        if (!writeFresh(profile, ProfileFiles::profilePath(name)) ||
            !writeFresh(profile, ProfileFiles::modelProfilePath(name)))
            return fail(QStringLiteral("cannot write %1").arg(name));
        names << name;
    }
    if (!writeFresh(profile, ProfileFiles::modelProfilePath(QStringLiteral("DefaultProfile"))))
        return fail(QStringLiteral("cannot write the per-model DefaultProfile.prof"));
    if (!ProfileFiles::saveProfileList(names))
        return fail(QStringLiteral("cannot write the profile list"));
    QTextStream(stdout) << "sample profiles of " << DeviceDescription::productName()
                        << " written to " << AppPaths::configDir() << '\n';
    return 0;
}
