#include "platform/RuntimeDir.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

bool RuntimeDir::isPrivate(const QString& dir)
{
    struct stat st;
    if (dir.isEmpty() || ::lstat(QFile::encodeName(dir).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 0077) == 0;
}

QString RuntimeDir::path()
{
    const QString xdg = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    if (isPrivate(xdg))
        return xdg;

    const QString fallback = QDir::tempPath() + "/" + QString::number(::getuid());
    const QByteArray encoded = QFile::encodeName(fallback);
    // mkdir does not follow a link planted under that name, and an existing folder is only
    // taken when it passes the same test.
    if (::mkdir(encoded.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    return isPrivate(fallback) ? fallback : QString();
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
