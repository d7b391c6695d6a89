#include "device/SocketHidDevice.h"

#include "device/VirtualSocketProtocol.h"
#include "device/WakeEvent.h"

#include <QDataStream>
#include <QIODevice>

#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

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
    if (m_Guard.isClosed() || m_bBroken || length > std::size_t(VirtualSocketProtocol::kMaxFrame))
        return -1;
    const QByteArray report(reinterpret_cast<const char*>(data), int(length));
    quint8 type = 0;
    QByteArray reply;
    if (!VirtualSocketProtocol::sendFrame(m_iFd, VirtualSocketProtocol::Write, report,
                                          VirtualSocketProtocol::kReplyGrace) ||
        !VirtualSocketProtocol::receiveFrame(m_iFd, &type, &reply,
                                             VirtualSocketProtocol::kReplyGrace) ||
        type != VirtualSocketProtocol::Result || reply.size() != 4) {
        m_bBroken = true;
        return -1;
    }
    QDataStream in(reply);
    in.setByteOrder(QDataStream::LittleEndian);
    qint32 result = -1;
    in >> result;
    return result;
}

int SocketHidDevice::readTimeout(quint8* data, std::size_t length, int milliseconds)
{
    HandleGuardCall call(m_Guard);
    if (!call.entered())
        return -1;
    std::lock_guard<std::mutex> lock(m_CallMutex);
    if (m_Guard.isClosed() || m_bBroken)
        return -1;
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << qint32(milliseconds) << quint32(qMin<std::size_t>(length, 0xFFFF));
    const int wait = milliseconds < 0 ? -1 : milliseconds + VirtualSocketProtocol::kReplyGrace;
    quint8 type = 0;
    QByteArray reply;
    if (!VirtualSocketProtocol::sendFrame(m_iFd, VirtualSocketProtocol::Read, request,
                                          VirtualSocketProtocol::kReplyGrace) ||
        !VirtualSocketProtocol::receiveFrame(m_iFd, &type, &reply, wait) ||
        type != VirtualSocketProtocol::Data || reply.size() < 4) {
        m_bBroken = true;
        return -1;
    }
    QDataStream in(reply);
    in.setByteOrder(QDataStream::LittleEndian);
    qint32 result = -1;
    in >> result;
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
    if (!VirtualSocketProtocol::sendFrame(m_iFd, VirtualSocketProtocol::Wait, QByteArray(),
                                          VirtualSocketProtocol::kReplyGrace)) {
        m_bBroken = true;
        return InputWait::Failed;
    }
    // The mouse answers when it has input; until then this thread sleeps on the socket and the
    // wake event alike. A close() shuts the socket down, which also ends the sleep.
    const WakeEvent::Outcome outcome = wake.waitWith(m_iFd, milliseconds);
    if (outcome != WakeEvent::Ready &&
        !VirtualSocketProtocol::sendFrame(m_iFd, VirtualSocketProtocol::Cancel, QByteArray(),
                                          VirtualSocketProtocol::kReplyGrace)) {
        m_bBroken = true;
        return InputWait::Failed;
    }
    // Exactly one Ready answers the Wait, whether the Cancel reached it in time or not.
    quint8 type = 0;
    QByteArray reply;
    if (!VirtualSocketProtocol::receiveFrame(m_iFd, &type, &reply,
                                             VirtualSocketProtocol::kReplyGrace) ||
        type != VirtualSocketProtocol::Ready || reply.size() != 1) {
        m_bBroken = true;
        return InputWait::Failed;
    }
    const quint8 state = quint8(reply.at(0));
    if (state == VirtualSocketProtocol::WaitFailed)
        return InputWait::Failed;
    if (outcome == WakeEvent::Raised)
        return InputWait::Woken;
    if (state == VirtualSocketProtocol::WaitInput)
        return InputWait::Ready;
    return outcome == WakeEvent::TimedOut ? InputWait::TimedOut : InputWait::Failed;
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
