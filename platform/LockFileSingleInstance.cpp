#include "platform/LockFileSingleInstance.h"

#include "platform/RuntimeDir.h"

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
    m_Failure.clear();
    // Checked at every try, not once: a lock in a folder others can reach is no lock at all,
    // as anyone could hold it for us or take the file away.
    if (!RuntimeDir::isPrivate(m_LockDir)) {
        m_Failure = m_LockDir.isEmpty()
                        ? QStringLiteral("no private runtime folder could be found or made")
                        : QStringLiteral("%1 is not a private folder").arg(m_LockDir);
        return false;
    }
    const QString path = lockFilePath(name);
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        m_Failure = QStringLiteral("cannot open %1: %2").arg(path, qt_error_string(errno));
        return false;
    }
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int error = errno;
        ::close(fd);
        if (error != EWOULDBLOCK)
            m_Failure = QStringLiteral("cannot lock %1: %2").arg(path, qt_error_string(error));
        return false;
    }
    m_iFd = fd;
    return true;
}
