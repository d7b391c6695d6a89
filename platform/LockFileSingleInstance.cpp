#include "platform/LockFileSingleInstance.h"

#include "platform/RuntimeDir.h"

#include <QDebug>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

LockFileSingleInstance::LockFileSingleInstance(const QString& lockDir)
    : m_LockDir(lockDir.isEmpty() ? RuntimeDir::path() : lockDir)
{
}

LockFileSingleInstance::~LockFileSingleInstance()
{
    release();
}

QString LockFileSingleInstance::lockFilePath(const QString& name) const
{
    if (m_LockDir.isEmpty())
        return QString();
    return m_LockDir + "/" + RuntimeDir::fileNameFor(name, ".lock");
}

void LockFileSingleInstance::release()
{
    if (m_iFd >= 0)
        ::close(m_iFd);
    m_iFd = -1;
}

bool LockFileSingleInstance::tryAcquire(const QString& name)
{
    release();
    const QString path = lockFilePath(name);
    if (path.isEmpty()) {
        // Without a private folder there is no safe place for the lock; running a second
        // instance is the lesser harm than refusing to run at all.
        qDebug() << "single instance: no private runtime folder, running without the lock";
        return true;
    }
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        qDebug() << "single instance: cannot open" << path << "errno" << errno
                 << ", running without the lock";
        return true;
    }
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return false;
        qDebug() << "single instance: flock failed, errno" << error << ", running without the lock";
        return true;
    }
    m_iFd = fd;
    return true;
}
