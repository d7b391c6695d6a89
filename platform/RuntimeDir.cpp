#include "platform/RuntimeDir.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// How many other names under the temporary folder are tried after <temp>/<uid>.
constexpr int kTempAlternatives = 4;
} // namespace

bool RuntimeDir::isPrivate(const QString& dir)
{
    struct stat st;
    if (dir.isEmpty() || ::lstat(QFile::encodeName(dir).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 0077) == 0;
}

QStringList RuntimeDir::fallbacks()
{
    const QString uid = QString::number(::getuid());
    const QString temp = QDir::tempPath();
    QStringList dirs{temp + "/" + uid};
    for (int i = 1; i <= kTempAlternatives; ++i)
        dirs << QString("%1/mousecfg-%2-%3").arg(temp, uid).arg(i);
    // Out of other users' reach, but last: a long home path can make socket paths too long.
    dirs << QDir::homePath() + "/.cache/mousecfg-runtime-" + uid;
    return dirs;
}

QString RuntimeDir::path()
{
    const QString xdg = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    if (isPrivate(xdg))
        return xdg;

    // Every start of this user must end up in the same folder, or each would get its own lock.
    // So a private folder that exists wins over creating an earlier one: a name someone else
    // took and later gave up must not split the starts before and after between two folders.
    const QStringList dirs = fallbacks();
    for (const QString& dir : dirs) {
        if (isPrivate(dir))
            return dir;
    }
    for (const QString& dir : dirs) {
        QDir().mkpath(QFileInfo(dir).path()); // ~/.cache may not exist yet
        // mkdir does not follow a link planted under that name, and a folder that appeared
        // meanwhile (another start of ours, or someone else's) is only taken when it passes
        // the same test.
        if ((::mkdir(QFile::encodeName(dir).constData(), 0700) == 0 || errno == EEXIST) &&
            isPrivate(dir))
            return dir;
    }
    return QString();
}

QString RuntimeDir::fileNameFor(const QString& name, const QString& suffix)
{
    QString readable;
    for (const QChar c : name) {
        if (readable.size() >= 40)
            break;
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            readable += c;
        else if (!readable.endsWith('-'))
            readable += '-';
    }
    const QByteArray hash =
        QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return "mousecfg" + readable + "-" + QString::fromLatin1(hash) + suffix;
}
