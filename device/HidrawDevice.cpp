#include "device/HidrawDevice.h"

#include <QDeadlineTimer>

#include <cerrno>
#include <poll.h>
#include <unistd.h>

HidrawDevice::HidrawDevice(int fd)
    : m_iFd(fd), m_Guard([fd] {
          if (fd >= 0)
              ::close(fd);
      })
{
}

HidrawDevice::~HidrawDevice() = default; // the guard closes a node nobody closed

int HidrawDevice::pollNode(const WakeEvent* wake, int milliseconds)
{
    const QDeadlineTimer deadline =
        milliseconds < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(milliseconds);
    for (;;) {
        pollfd fds[3] = {
            {m_iFd, POLLIN, 0}, {m_Closing.fd(), POLLIN, 0}, {wake ? wake->fd() : -1, POLLIN, 0}};
        const qint64 left = deadline.remainingTime();
        const int r = ::poll(fds, 3, left < 0 ? -1 : int(qMin<qint64>(left, 1 << 30)));
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0 || fds[1].revents != 0)
            return -1;
        if (r == 0)
            return 0;
        if (fds[2].revents != 0)
            return 2;
        // An unplugged node reports an error or a hang-up instead of data.
        return (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0 ? -1 : 1;
    }
}

int HidrawDevice::write(const quint8* data, std::size_t length)
{
    HandleGuardCall call(m_Guard);
    if (!call.entered())
        return -1;
    for (;;) {
        const ssize_t n = ::write(m_iFd, data, length);
        if (n < 0 && errno == EINTR)
            continue;
        return n < 0 ? -1 : int(n);
    }
}

int HidrawDevice::readTimeout(quint8* data, std::size_t length, int milliseconds)
{
    HandleGuardCall call(m_Guard);
    if (!call.entered())
        return -1;
    const int ready = pollNode(nullptr, milliseconds);
    if (ready <= 0)
        return ready;
    for (;;) {
        const ssize_t n = ::read(m_iFd, data, length);
        if (n >= 0)
            return int(n);
        if (errno == EINTR)
            continue;
        // Another reader took the report first.
        return (errno == EAGAIN || errno == EWOULDBLOCK) ? 0 : -1;
    }
}

int HidrawDevice::setNonblocking(int)
{
    // Every read waits through poll() with its own time-out; the node itself never blocks a read
    // that poll() found ready.
    return m_Guard.isClosed() ? -1 : 0;
}

void HidrawDevice::close()
{
    m_Closing.raise();
    m_Guard.close();
}

HidDevice::InputWait HidrawDevice::waitForInput(const WakeEvent& wake, int milliseconds)
{
    HandleGuardCall call(m_Guard);
    if (!call.entered())
        return InputWait::Failed;
    switch (pollNode(&wake, milliseconds)) {
    case 1:
        return InputWait::Ready;
    case 0:
        return InputWait::TimedOut;
    case 2:
        return InputWait::Woken;
    default:
        return InputWait::Failed;
    }
}
