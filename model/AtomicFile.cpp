#include "model/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Writes the content into an open descriptor; returns 0 or the errno of the failure and adds
// the bytes written to `size`.
using Fill = std::function<int(int fd, qint64& size)>;

int writeAll(int fd, const char* p, qint64 n)
{
    while (n > 0) {
        const ssize_t done = ::write(fd, p, size_t(n));
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (done == 0)
            return EIO;
        p += done;
        n -= done;
    }
    return 0;
}

qint64 milliseconds(const timespec& t)
{
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// QSettings keeps the parsed content of small files and reads them again only when their size
// or modification time (in milliseconds) changed. Two saves of the same size within one tick of
// the file system's clock would leave it reading the older content, so the new file is made
// to look newer.
void makeNewer(int fd, const struct stat& old)
{
    struct stat now;
    if (::fstat(fd, &now) != 0 || now.st_size != old.st_size ||
        milliseconds(now.st_mtim) > milliseconds(old.st_mtim))
        return;
    const qint64 ms = milliseconds(old.st_mtim) + 1;
    const timespec times[2] = {{0, UTIME_OMIT}, {time_t(ms / 1000), long(ms % 1000) * 1000000}};
    ::futimens(fd, times);
}

bool fail(QString* error, int code)
{
    if (error)
        *error = qt_error_string(code);
    return false;
}

bool replace(const QString& path, const Fill& fill, QString* error)
{
    if (path.isEmpty())
        return fail(error, ENOENT);
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(error, EACCES);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old;
    const bool exists = ::stat(targetName.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return fail(error, S_ISDIR(old.st_mode) ? EISDIR : EINVAL);

    QByteArray tempName;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempName = targetName + ".saving-" +
                   QByteArray::number(QRandomGenerator::global()->generate() % 0x1000000, 36);
        fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return fail(error, errno);

    qint64 size = 0;
    int code = exists && ::fchmod(fd, old.st_mode & 07777) != 0 ? errno : 0;
    if (code == 0)
        code = fill(fd, size);
    if (code == 0 && ::fdatasync(fd) != 0)
        code = errno;
    struct stat written;
    if (code == 0 && ::fstat(fd, &written) != 0)
        code = errno;
    // What the disk holds must be all of it, whatever the calls above reported.
    if (code == 0 && written.st_size != size)
        code = EIO;
    if (code == 0 && exists)
        makeNewer(fd, old);
    if (::close(fd) != 0 && code == 0)
        code = errno;
    if (code == 0 && ::rename(tempName.constData(), targetName.constData()) != 0)
        code = errno;
    if (code != 0) {
        ::unlink(tempName.constData());
        return fail(error, code);
    }
    // The folder is not synced: should the rename be lost in a crash, the old file is there,
    // whole, which is all this promises.
    return true;
}
} // namespace

bool AtomicFile::write(const QString& path, const QByteArray& data, QString* error)
{
    return replace(
        path,
        [&data](int fd, qint64& size) {
            size = data.size();
            return writeAll(fd, data.constData(), data.size());
        },
        error);
}

bool AtomicFile::copy(const QString& from, const QString& to, QString* error)
{
    QFile source(from);
    if (!QFileInfo(from).isFile())
        return fail(error, ENOENT);
    if (!source.open(QIODevice::ReadOnly)) {
        if (error)
            *error = source.errorString();
        return false;
    }
    bool readFailed = false;
    const bool copied = replace(
        to,
        [&](int fd, qint64& size) {
            char buffer[64 * 1024];
            for (;;) {
                const qint64 n = source.read(buffer, sizeof buffer);
                if (n < 0) {
                    readFailed = true;
                    return EIO;
                }
                if (n == 0)
                    return 0;
                if (const int code = writeAll(fd, buffer, n))
                    return code;
                size += n;
            }
        },
        error);
    if (readFailed && error)
        *error = source.errorString();
    return copied;
}
