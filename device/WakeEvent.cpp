#include "device/WakeEvent.h"

#include <QDeadlineTimer>

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

WakeEvent::WakeEvent() : m_iFd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

WakeEvent::~WakeEvent()
{
    if (m_iFd >= 0)
        ::close(m_iFd);
}

void WakeEvent::raise()
{
    const std::uint64_t one = 1;
    if (m_iFd >= 0)
        (void)!::write(m_iFd, &one, sizeof one);
}

void WakeEvent::clear()
{
    std::uint64_t count = 0;
    if (m_iFd >= 0)
        (void)!::read(m_iFd, &count, sizeof count);
}

bool WakeEvent::isRaised() const
{
    return wait(0);
}

bool WakeEvent::wait(int milliseconds) const
{
    return waitWith(-1, milliseconds) == Raised;
}

WakeEvent::Outcome WakeEvent::waitWith(int fd, int milliseconds) const
{
    const QDeadlineTimer deadline =
        milliseconds < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(milliseconds);
    for (;;) {
        // A negative descriptor is skipped by poll(), so either side may be missing.
        pollfd fds[2] = {{m_iFd, POLLIN, 0}, {fd, POLLIN, 0}};
        const qint64 left = deadline.remainingTime();
        const int r = ::poll(fds, 2, left < 0 ? -1 : int(qMin<qint64>(left, 1 << 30)));
        if (r < 0) {
            if (errno == EINTR)
                continue;
            return Error;
        }
        if (r == 0)
            return TimedOut;
        if (fds[0].revents != 0)
            return Raised;
        return Ready;
    }
}
