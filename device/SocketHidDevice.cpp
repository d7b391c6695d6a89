#include "device/SocketHidDevice.h"

#include "device/VirtualSocketProtocol.h"
#include "device/WakeEvent.h"

#include <QDeadlineTimer>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
QByteArray littleEndian(qint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

qint32 fromLittleEndian(const QByteArray& bytes)
{
    return qFromLittleEndian<qint32>(bytes.constData());
}
} // namespace

SocketHidDevice::SocketHidDevice(int fd)
    : m_iFd(fd), m_Guard([fd] {
          if (fd >= 0)
              ::close(fd);
      })
{
}

SocketHidDevice::~SocketHidDevice() = default; // the guard closes a connection nobody closed

int SocketHidDevice::write(const quint8* data, std::size_t length)
{
    HandleGuardCall call(m_Guard);
    if (!call.entered())
        return -1;
    std::lock_guard<std::mutex> lock(m_CallMutex);
    return sendWrite(data, length, QByteArray());
}

int SocketHidDevice::writeThenWait(const quint8* data, std::size_t length, int milliseconds)
{
    HandleGuardCall call(m_Guard);
    if (!call.entered())
        return -1;
    std::lock_guard<std::mutex> lock(m_CallMutex);
    // The mouse serves the Wait as soon as it has answered the write: the thread sleeps once for
    // the answer and once for the end of the wait, and asks nothing in between.
    return sendWrite(
        data, length,
        VirtualSocketProtocol::frame(VirtualSocketProtocol::Wait, littleEndian(milliseconds)));
}

int SocketHidDevice::sendWrite(const quint8* data, std::size_t length, const QByteArray& wait)
{
    if (m_Guard.isClosed() || m_bBroken || length > std::size_t(VirtualSocketProtocol::kMaxFrame))
        return -1;
    if (!endPendingWait())
        return -1;
    const QByteArray report(reinterpret_cast<const char*>(data), int(length));
    quint8 type = 0;
    QByteArray reply;
    const bool bSent = VirtualSocketProtocol::sendBytes(
        m_iFd, VirtualSocketProtocol::frame(VirtualSocketProtocol::Write, report) + wait,
        VirtualSocketProtocol::kReplyGrace);
    // The mouse serves the Wait whatever became of the write: a failed one too.
    m_bWaitPending = bSent && !wait.isEmpty();
    if (!bSent || !receive(&type, &reply, VirtualSocketProtocol::kReplyGrace) ||
        type != VirtualSocketProtocol::Result || reply.size() < 4) {
        m_bBroken = true;
        return -1;
    }
    keepArrived(reply.mid(4));
    return fromLittleEndian(reply);
}

bool SocketHidDevice::endPendingWait()
{
    if (!m_bWaitPending)
        return true;
    quint8 state = 0;
    if (!VirtualSocketProtocol::sendFrame(m_iFd, VirtualSocketProtocol::Cancel, QByteArray(),
                                          VirtualSocketProtocol::kReplyGrace) ||
        !receiveReady(&state)) {
        m_bBroken = true;
        return false;
    }
    return true;
}

bool SocketHidDevice::receiveReady(quint8* state, bool bReadable)
{
    // Exactly one Ready answers a Wait, whether a Cancel reached it in time or not.
    quint8 type = 0;
    QByteArray reply;
    if (!receive(&type, &reply, VirtualSocketProtocol::kReplyGrace, bReadable) ||
        type != VirtualSocketProtocol::Ready || reply.isEmpty())
        return false;
    m_bWaitPending = false;
    *state = quint8(reply.at(0));
    keepArrived(reply.mid(1));
    return true;
}

// Whatever the socket holds is taken in one call; a frame is cut from it once it is whole. An
// idle tool pays for every system call it makes.
bool SocketHidDevice::receive(quint8* type, QByteArray* payload, int milliseconds, bool bReadable)
{
    const QDeadlineTimer deadline =
        milliseconds < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(milliseconds);
    for (;;) {
        bool bad = false;
        if (VirtualSocketProtocol::takeFrame(m_Incoming, type, payload, &bad))
            return true;
        if (bad)
            return false;
        if (!bReadable) {
            pollfd p{m_iFd, POLLIN, 0};
            const qint64 left = deadline.remainingTime();
            const int ready = ::poll(&p, 1, left < 0 ? -1 : int(qMin<qint64>(left, 1 << 30)));
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready <= 0)
                return false;
        }
        bReadable = false;
        char chunk[4096];
        const ssize_t n = ::recv(m_iFd, chunk, sizeof chunk, MSG_DONTWAIT);
        if (n == 0)
            return false; // the mouse went away
        if (n < 0 && errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK)
            return false;
        if (n > 0)
            m_Incoming.append(chunk, int(n));
    }
}

void SocketHidDevice::keepArrived(const QByteArray& report)
{
    if (!report.isEmpty())
        m_Arrived.push_back(report);
}

int SocketHidDevice::takeArrived(quint8* data, std::size_t length)
{
    const QByteArray report = m_Arrived.front();
    m_Arrived.pop_front();
    const std::size_t n = qMin<std::size_t>(length, std::size_t(report.size()));
    std::memcpy(data, report.constData(), n);
    return int(n);
}

int SocketHidDevice::readTimeout(quint8* data, std::size_t length, int milliseconds)
{
    HandleGuardCall call(m_Guard);
    if (!call.entered())
        return -1;
    std::lock_guard<std::mutex> lock(m_CallMutex);
    if (m_Guard.isClosed() || m_bBroken)
        return -1;
    // What came with an earlier answer is read first, in the order it came; the answer to a
    // Wait that is still open may bring one more.
    if (m_Arrived.empty() && !endPendingWait())
        return -1;
    if (!m_Arrived.empty())
        return takeArrived(data, length);
    const QByteArray request =
        littleEndian(milliseconds) + littleEndian(qint32(qMin<std::size_t>(length, 0xFFFF)));
    const int wait = milliseconds < 0 ? -1 : milliseconds + VirtualSocketProtocol::kReplyGrace;
    quint8 type = 0;
    QByteArray reply;
    if (!VirtualSocketProtocol::sendFrame(m_iFd, VirtualSocketProtocol::Read, request,
                                          VirtualSocketProtocol::kReplyGrace) ||
        !receive(&type, &reply, wait) || type != VirtualSocketProtocol::Data || reply.size() < 4) {
        m_bBroken = true;
        return -1;
    }
    const qint32 result = fromLittleEndian(reply);
    const QByteArray bytes = reply.mid(4);
    if (result > 0) {
        if (bytes.size() != result || std::size_t(result) > length)
            return -1;
        std::memcpy(data, bytes.constData(), std::size_t(result));
    }
    return result;
}

HidDevice::InputWait SocketHidDevice::waitForInput(const WakeEvent& wake, int milliseconds)
{
    HandleGuardCall call(m_Guard);
    if (!call.entered())
        return InputWait::Failed;
    std::lock_guard<std::mutex> lock(m_CallMutex);
    if (m_Guard.isClosed() || m_bBroken)
        return InputWait::Failed;
    if (!m_Arrived.empty())
        return InputWait::Ready;
    // A Wait sent along with the last write is still open: it is the one this call sleeps on.
    if (!m_bWaitPending) {
        if (!VirtualSocketProtocol::sendFrame(m_iFd, VirtualSocketProtocol::Wait,
                                              littleEndian(milliseconds),
                                              VirtualSocketProtocol::kReplyGrace)) {
            m_bBroken = true;
            return InputWait::Failed;
        }
        m_bWaitPending = true;
    }
    // The mouse answers when it has input or the time is up; until then this thread sleeps on
    // the socket and the wake event alike. A close() shuts the socket down, which also ends the
    // sleep.
    const int limit = milliseconds < 0 ? -1 : milliseconds + VirtualSocketProtocol::kReplyGrace;
    const WakeEvent::Outcome outcome = wake.waitWith(m_iFd, limit);
    if (outcome != WakeEvent::Ready &&
        !VirtualSocketProtocol::sendFrame(m_iFd, VirtualSocketProtocol::Cancel, QByteArray(),
                                          VirtualSocketProtocol::kReplyGrace)) {
        m_bBroken = true;
        return InputWait::Failed;
    }
    quint8 state = 0;
    if (!receiveReady(&state, outcome == WakeEvent::Ready)) {
        m_bBroken = true;
        return InputWait::Failed;
    }
    if (state == VirtualSocketProtocol::WaitFailed)
        return InputWait::Failed;
    if (outcome == WakeEvent::Raised)
        return InputWait::Woken;
    if (state == VirtualSocketProtocol::WaitInput)
        return InputWait::Ready;
    // The mouse's time ran out, or (a mouse gone quiet) ours did.
    return state == VirtualSocketProtocol::WaitTimedOut || outcome == WakeEvent::TimedOut
               ? InputWait::TimedOut
               : InputWait::Failed;
}

int SocketHidDevice::setNonblocking(int nonblock)
{
    // readTimeout always takes its own time-out, as hid_read_timeout does; kept for symmetry.
    std::lock_guard<std::mutex> lock(m_CallMutex);
    if (m_Guard.isClosed())
        return -1;
    m_iNonblocking = nonblock;
    return 0;
}

void SocketHidDevice::close()
{
    if (m_bShutDown.exchange(true))
        return;
    // Wakes a call waiting for its reply; the descriptor itself is released by the guard once
    // that call has left, so it cannot be reused under it.
    ::shutdown(m_iFd, SHUT_RDWR);
    m_Guard.close();
}
