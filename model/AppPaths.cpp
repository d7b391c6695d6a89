#include "model/AppPaths.h"

#include "model/AtomicFile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>

#include <unistd.h>

// The build passes the installed layout; this is the default one (bin/ and share/mousecfg/).
#ifndef MOUSECFG_INSTALL_DATA_REL
#define MOUSECFG_INSTALL_DATA_REL "../share/mousecfg"
#endif

namespace {
const QString kDescription = QStringLiteral("/DefaultProfile.bin");

struct Resolved
{
    QString appDir;
    bool userConfig = false;
};

struct State
{
    QMutex mutex;
    QString appOverride;
    QString programOverride;
    bool resolved = false;
    Resolved cached;
};

State& state()
{
    static State s;
    return s;
}

QString runningProgramDir(const State& s)
{
    if (!s.programOverride.isEmpty())
        return s.programOverride;
    if (!s.appOverride.isEmpty())
        return s.appOverride;
    return QCoreApplication::applicationDirPath();
}

// access() rather than the permission bits: it answers for the real user, root included (root may
// write anywhere but a read-only mount), so a folder root can write to is used as it is.
bool canWrite(const QString& path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

bool configsWritable(const QString& appDir)
{
    const QString configs = appDir + "/Configs";
    // A missing Configs folder is created beside DefaultProfile.bin on first use.
    return QFileInfo(configs).isDir() ? canWrite(configs) : canWrite(appDir);
}

// Decided once per application folder, so that a run never switches folders half-way.
Resolved resolve(const State& s)
{
    Resolved r;
    if (!s.appOverride.isEmpty()) {
        r.appDir = s.appOverride;
        r.userConfig = !configsWritable(r.appDir);
        return r;
    }
    const QString program = runningProgramDir(s);
    const QString installed =
        QDir::cleanPath(program + "/" + QStringLiteral(MOUSECFG_INSTALL_DATA_REL));
    if (!QFileInfo::exists(program + kDescription) && QFileInfo::exists(installed + kDescription)) {
        // Installed copies keep their files read-only whoever runs them, root included.
        r.appDir = installed;
        r.userConfig = true;
        return r;
    }
    // A portable folder, the build tree, or nothing found (the program then runs without its
    // description, as it always has).
    r.appDir = program;
    r.userConfig = !configsWritable(program);
    return r;
}

Resolved current()
{
    State& s = state();
    QMutexLocker lock(&s.mutex);
    if (s.resolved)
        return s.cached;
    const Resolved r = resolve(s);
    // Before the application object exists its folder is unknown: answer, but decide later.
    if (!s.appOverride.isEmpty() || !s.programOverride.isEmpty() || QCoreApplication::instance()) {
        s.cached = r;
        s.resolved = true;
    }
    return r;
}

bool copyMissing(const QString& src, const QString& dst, int* copied)
{
    if (QFileInfo::exists(dst))
        return true;
    if (!QDir().mkpath(QFileInfo(dst).absolutePath()) || !AtomicFile::copy(src, dst)) {
        qDebug() << "could not copy" << src << "to" << dst;
        return false;
    }
    // The shipped files may be read-only; the user's copy must be writable by its owner.
    QFile(dst).setPermissions(QFile(dst).permissions() | QFile::ReadOwner | QFile::WriteOwner);
    ++*copied;
    return true;
}
} // namespace

QString AppPaths::appDir()
{
    return current().appDir;
}

void AppPaths::setAppDir(const QString& dir)
{
    State& s = state();
    QMutexLocker lock(&s.mutex);
    s.appOverride = dir;
    s.resolved = false;
}

QString AppPaths::deviceDescriptionFile()
{
    return appDir() + kDescription;
}
QString AppPaths::configDir()
{
    const Resolved r = current();
    return r.userConfig ? userConfigDir() : r.appDir + "/Configs";
}
QString AppPaths::configIni()
{
    return configDir() + "/Config.ini";
}
QString AppPaths::langConfigIni()
{
    return configDir() + "/LangConfig.ini";
}
QString AppPaths::profileDir()
{
    return configDir() + "/Profile";
}
QString AppPaths::modelDir(const QString& productName)
{
    return configDir() + "/" + productName;
}
QString AppPaths::modelProfileDir(const QString& productName)
{
    return modelDir(productName) + "/Profile";
}
QString AppPaths::modelConfigIni(const QString& productName)
{
    return modelDir(productName) + "/Config.ini";
}
QString AppPaths::macroDir()
{
    return configDir() + "/MacroDB";
}
QString AppPaths::langDir()
{
    return appDir() + "/lang";
}
QString AppPaths::skinDir()
{
    return appDir() + "/skin";
}

QString AppPaths::defaultConfigDir()
{
    return appDir() + "/Configs";
}

QString AppPaths::userConfigDir()
{
    // The generic location rather than the per-application one: it does not depend on the
    // organisation and application names the program happens to set.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/mousecfg/Configs";
}

QString AppPaths::cacheDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/mousecfg";
}

bool AppPaths::configInUserDir()
{
    return current().userConfig;
}

QString AppPaths::programDir()
{
    State& s = state();
    QMutexLocker lock(&s.mutex);
    return runningProgramDir(s);
}

void AppPaths::setProgramDir(const QString& dir)
{
    State& s = state();
    QMutexLocker lock(&s.mutex);
    s.programOverride = dir;
    s.resolved = false;
}

int AppPaths::seedConfigDir()
{
    if (!configInUserDir())
        return 0;
    const QString src = defaultConfigDir();
    const QString dst = userConfigDir();
    // Config.ini is written by every run: once it is there the folder belongs to the user, and
    // files the user removed on purpose (a deleted profile) are not brought back.
    const QString configIni = QStringLiteral("Config.ini");
    if (QFileInfo::exists(dst + "/" + configIni))
        return 0;
    if (!QDir().mkpath(dst)) {
        qDebug() << "could not create" << dst;
        return -1;
    }
    int copied = 0;
    bool ok = true;
    QDirIterator it(src, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = QDir(src).relativeFilePath(file);
        if (relative == configIni)
            continue;
        ok = copyMissing(file, dst + "/" + relative, &copied) && ok;
    }
    // Last, so that a seeding cut short is completed by the next start.
    if (ok && QFileInfo::exists(src + "/" + configIni))
        ok = copyMissing(src + "/" + configIni, dst + "/" + configIni, &copied);
    return ok ? copied : -1;
}
