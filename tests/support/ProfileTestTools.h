#pragma once

#include "TestFiles.h"

#include "model/AppPaths.h"
#include "model/DeviceDescription.h"
#include "model/GlobalRecords.h"
#include "model/ProfileFiles.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSettings>
#include <QString>
#include <QStringList>

// Shared by the profile management tests: the state of the configuration folder and the records,
// so that a refusal can be checked to have changed nothing at all.
namespace ProfileTestTools {

// Relative path -> content hash of every file under the configuration folder.
inline QMap<QString, QByteArray> folderState()
{
    QMap<QString, QByteArray> state;
    const QString root = AppPaths::configDir();
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        // Holds the file dialogs' last folders, which follow every file the user picks.
        if (path.endsWith(QLatin1String("/LangConfig.ini")))
            continue;
        QFile file(path);
        QByteArray hash = "unreadable";
        if (file.open(QIODevice::ReadOnly))
            hash = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
        state.insert(QDir(root).relativeFilePath(path), hash);
    }
    return state;
}

struct State
{
    QMap<QString, QByteArray> files;
    MouseConfig live;
    bool operator==(const State& o) const { return files == o.files && live == o.live; }
};

inline State state()
{
    return State{folderState(), GlobalRecords::live()};
}

inline QString modelFile(const QString& name)
{
    return ProfileFiles::modelProfilePath(name);
}

// A per-model profile file holding `profile`.
inline bool makeProfile(const QString& name, const ProfileData& profile)
{
    return ProfileFiles::saveProfile(profile, modelFile(name));
}

inline ProfileData loaded(const QString& path)
{
    ProfileData profile;
    ProfileFiles::loadProfile(profile, path);
    return profile;
}

// A profile that differs from the sample's in fields every part of the record has.
inline ProfileData markedProfile(int mark)
{
    ProfileData p = loaded(modelFile(QStringLiteral("Profile 1")));
    p.pollrate = 2;
    p.dpi = quint8(mark % 8);
    p.LedMode = quint8(mark % 14);
    p.DpiInfo[1].x = quint32(100 + mark);
    p.DpiInfo[1].y = quint32(200 + mark);
    p.mousespeed = quint8(1 + mark % 20);
    p.ButtonInfo[2].Fun = FunctionCode::SingleKey;
    p.ButtonInfo[2].Res1 = quint8(30 + mark);
    p.LedInfo[3].bright = quint32(mark % 5);
    p.ProfileName = QStringLiteral("marked %1").arg(mark);
    return p;
}

} // namespace ProfileTestTools
