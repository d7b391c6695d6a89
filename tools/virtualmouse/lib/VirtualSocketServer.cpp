#include "VirtualSocketServer.h"

#include "device/HidBackend.h"
#include "device/VirtualSocketProtocol.h"

#include <QDataStream>
#include <QFile>
#include <QIODevice>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int kFirstRequestTimeout = 5000;
constexpr int kPushTimeout = 500;
constexpr int kMaxRead = 1024;

} // namespace

VirtualSocketServer::VirtualSocketServer(std::shared_ptr<VirtualMouse> mouse)
    : m_Mouse(std::move(mouse))
{
    // Direct: the list goes out from the thread that plugged or unplugged, under the watch lock.
    m_PlugConnection =
        QObject::connect(m_Mouse.get(), &VirtualMouse::plugChanged,
                         [this](VirtualMouse::Link, bool) { broadcastInterfaces(); });
}

VirtualSocketServer::~VirtualSocketServer()
{
    QObject::disconnect(m_PlugConnection);
    stop();
}

QString VirtualSocketServer::socketNameFor(const QString& codeName)
{
    QString safe;
    for (const QChar c : codeName) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '_' || c == '-';
        safe += plain ? c : QChar('_');
    }
    if (safe.isEmpty())
        safe = QStringLiteral("mouse");
    return safe.left(40) + QLatin1Char('-') + QString::number(::getpid()) +
           VirtualSocketProtocol::socketSuffix();
}

std::vector<HidDeviceInfo> VirtualSocketServer::interfaces() const
{
    std::vector<HidDeviceInfo> list;
    for (VirtualMouse::Link link : {VirtualMouse::Link::Receiver, VirtualMouse::Link::Cable}) {
        if (!m_Mouse->isPlugged(link))
            continue;
        for (VirtualMouse::Interface iface :
             {VirtualMouse::Interface::Mouse, VirtualMouse::Interface::Control}) {
            HidDeviceInfo info = m_Mouse->interfaceInfo(link, iface);
            info.path = (VirtualMouse::linkName(link) + QLatin1Char(':') +
                         QString::number(static_cast<int>(iface)))
                            .toLatin1();
            list.push_back(info);
        }
    }
    return list;
}

bool VirtualSocketServer::listen(const QString& socketPath, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (m_iListenFd >= 0)
        return fail(QStringLiteral("already listening"));
    const QByteArray encoded = QFile::encodeName(socketPath);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (encoded.size() >= int(sizeof(address.sun_path)))
        return fail(QStringLiteral("socket path too long: ") + socketPath);
    std::memcpy(address.sun_path, encoded.constData(), encoded.size());

    const int probe = VirtualSocketProtocol::connectTo(socketPath);
    if (probe >= 0) {
        ::close(probe);
        return fail(QStringLiteral("another program serves ") + socketPath);
    }
    ::unlink(encoded.constData());

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(fd, 16) != 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        return fail(QStringLiteral("cannot listen on ") + socketPath + QStringLiteral(": ") + why);
    }
    if (::pipe2(m_WakePipe, O_CLOEXEC) != 0) {
        ::close(fd);
        ::unlink(encoded.constData());
        return fail(QStringLiteral("cannot create a pipe"));
    }
    m_iListenFd = fd;
    m_SocketPath = socketPath;
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_bStopping = false;
    }
    m_AcceptThread = std::thread([this] { acceptLoop(); });
    return true;
}

void VirtualSocketServer::stop()
{
    if (m_iListenFd < 0)
        return;
    std::map<int, std::thread> threads;
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_bStopping = true;
        for (int fd : m_Connections)
            ::shutdown(fd, SHUT_RDWR);
        // Wakes connections waiting inside a read of the mouse.
        for (const auto& entry : m_Handles)
            m_Mouse->closeHandle(entry.second);
    }
    const char wake = 1;
    (void)!::write(m_WakePipe[1], &wake, 1);
    if (m_AcceptThread.joinable())
        m_AcceptThread.join();
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        threads.swap(m_Threads);
        m_Finished.clear();
    }
    for (auto& entry : threads)
        entry.second.join();
    ::close(m_iListenFd);
    ::close(m_WakePipe[0]);
    ::close(m_WakePipe[1]);
    m_iListenFd = -1;
    m_WakePipe[0] = m_WakePipe[1] = -1;
    ::unlink(QFile::encodeName(m_SocketPath).constData());
}

void VirtualSocketServer::acceptLoop()
{
    for (;;) {
        pollfd fds[2] = {{m_iListenFd, POLLIN, 0}, {m_WakePipe[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents != 0)
            return;
        const int fd = ::accept4(m_iListenFd, nullptr, nullptr, SOCK_CLOEXEC);
        reapFinished();
        if (fd < 0)
            continue;
        std::lock_guard<std::mutex> lock(m_Mutex);
        if (m_bStopping) {
            ::close(fd);
            return;
        }
        const int id = m_iNextId++;
        m_Connections.insert(fd);
        m_Threads[id] = std::thread([this, id, fd] { serve(id, fd); });
    }
}

void VirtualSocketServer::reapFinished()
{
    std::vector<std::thread> done;
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        for (int id : m_Finished) {
            auto it = m_Threads.find(id);
            if (it != m_Threads.end()) {
                done.push_back(std::move(it->second));
                m_Threads.erase(it);
            }
        }
        m_Finished.clear();
    }
    for (std::thread& t : done)
        t.join();
}

void VirtualSocketServer::serve(int id, int fd)
{
    quint8 type = 0;
    QByteArray payload;
    if (VirtualSocketProtocol::receiveFrame(fd, &type, &payload, kFirstRequestTimeout)) {
        if (type == VirtualSocketProtocol::Describe) {
            VirtualSocketProtocol::sendFrame(fd, VirtualSocketProtocol::Interfaces,
                                             VirtualSocketProtocol::encodeInterfaces(interfaces()),
                                             kPushTimeout);
        } else if (type == VirtualSocketProtocol::Watch) {
            serveWatch(fd);
        } else if (type == VirtualSocketProtocol::Open && payload.size() == 2) {
            VirtualMouse::Link link = quint8(payload.at(0)) == 1 ? VirtualMouse::Link::Cable
                                                                 : VirtualMouse::Link::Receiver;
            if (quint8(payload.at(0)) <= 1)
                serveHandle(fd, link, quint8(payload.at(1)));
        }
    }
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Connections.erase(fd);
    ::close(fd);
    m_Finished.push_back(id);
}

void VirtualSocketServer::serveHandle(int fd, VirtualMouse::Link link, int number)
{
    int handle = -1;
    const bool bDenied = m_Mouse->deniesOpens();
    if ((number == 0 || number == 2) && !bDenied)
        handle = m_Mouse->openHandle(link, static_cast<VirtualMouse::Interface>(number));
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        if (m_bStopping && handle >= 0) {
            m_Mouse->closeHandle(handle);
            handle = -1;
        }
        if (handle >= 0)
            m_Handles[fd] = handle;
    }
    const quint8 status = quint8(handle >= 0 ? HidOpenError::None
                                 : bDenied   ? HidOpenError::PermissionDenied
                                             : HidOpenError::Absent);
    if (!VirtualSocketProtocol::sendFrame(fd, VirtualSocketProtocol::Opened,
                                          QByteArray(1, char(status)), kPushTimeout) ||
        handle < 0) {
        if (handle >= 0)
            m_Mouse->closeHandle(handle);
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Handles.erase(fd);
        return;
    }

    quint8 type = 0;
    QByteArray payload;
    while (VirtualSocketProtocol::receiveFrame(fd, &type, &payload, -1)) {
        QByteArray reply;
        QDataStream out(&reply, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::LittleEndian);
        quint8 replyType = 0;
        if (type == VirtualSocketProtocol::Write) {
            const int result = m_Mouse->write(
                handle, reinterpret_cast<const quint8*>(payload.constData()), payload.size());
            out << qint32(result);
            if (result >= 0)
                appendReady(out, handle);
            replyType = VirtualSocketProtocol::Result;
        } else if (type == VirtualSocketProtocol::Read && payload.size() == 8) {
            QDataStream in(payload);
            in.setByteOrder(QDataStream::LittleEndian);
            qint32 milliseconds = 0;
            quint32 length = 0;
            in >> milliseconds >> length;
            QByteArray bytes(int(qMin<quint32>(length, kMaxRead)), '\0');
            const int result = m_Mouse->read(handle, reinterpret_cast<quint8*>(bytes.data()),
                                             bytes.size(), milliseconds);
            out << qint32(result);
            if (result > 0)
                out.writeRawData(bytes.constData(), result);
            replyType = VirtualSocketProtocol::Data;
        } else if (type == VirtualSocketProtocol::Wait) {
            if (!serveWait(fd, handle, waitTime(payload)))
                break;
            continue;
        } else if (type == VirtualSocketProtocol::Cancel) {
            continue; // came after its Wait was already answered
        } else {
            break; // not a request of an open handle: the peer is confused, drop it
        }
        if (!VirtualSocketProtocol::sendFrame(fd, replyType, reply, kPushTimeout))
            break;
    }
    m_Mouse->closeHandle(handle);
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Handles.erase(fd);
}

bool VirtualSocketServer::isReadable(int fd)
{
    pollfd one = {fd, POLLIN, 0};
    return ::poll(&one, 1, 0) > 0;
}

int VirtualSocketServer::waitTime(const QByteArray& payload)
{
    if (payload.size() != 4)
        return -1;
    QDataStream in(payload);
    in.setByteOrder(QDataStream::LittleEndian);
    qint32 milliseconds = -1;
    in >> milliseconds;
    return milliseconds;
}

void VirtualSocketServer::appendReady(QDataStream& out, int handle)
{
    quint8 report[kMaxRead];
    const int taken = m_Mouse->takeReady(handle, report, sizeof report);
    if (taken > 0)
        out.writeRawData(reinterpret_cast<const char*>(report), taken);
}

bool VirtualSocketServer::serveWait(int fd, int handle, int milliseconds)
{
    // Sleeps on the mouse's input and on the connection at once: the client's Cancel (or its
    // hang-up) ends the wait as surely as input does.
    const int result = m_Mouse->waitForInput(handle, fd, milliseconds);
    QByteArray reply;
    QDataStream out(&reply, QIODevice::WriteOnly);
    quint8 state = VirtualSocketProtocol::WaitCancelled;
    if (result > 0) {
        state = VirtualSocketProtocol::WaitInput;
    } else if (result < 0) {
        state = VirtualSocketProtocol::WaitFailed;
    } else if (!isReadable(fd)) {
        state = VirtualSocketProtocol::WaitTimedOut;
    } else {
        quint8 type = 0;
        QByteArray payload;
        if (!VirtualSocketProtocol::receiveFrame(fd, &type, &payload, kPushTimeout) ||
            type != VirtualSocketProtocol::Cancel)
            return false;
    }
    out << state;
    if (state == VirtualSocketProtocol::WaitInput)
        appendReady(out, handle);
    return VirtualSocketProtocol::sendFrame(fd, VirtualSocketProtocol::Ready, reply, kPushTimeout);
}

void VirtualSocketServer::serveWatch(int fd)
{
    {
        std::lock_guard<std::mutex> watch(m_WatchMutex);
        if (!VirtualSocketProtocol::sendFrame(fd, VirtualSocketProtocol::Interfaces,
                                              VirtualSocketProtocol::encodeInterfaces(interfaces()),
                                              kPushTimeout))
            return;
        m_Watchers.insert(fd);
    }
    // A watcher only listens; anything it sends, or its hang-up, ends the watch.
    quint8 type = 0;
    QByteArray payload;
    VirtualSocketProtocol::receiveFrame(fd, &type, &payload, -1);
    std::lock_guard<std::mutex> watch(m_WatchMutex);
    m_Watchers.erase(fd);
}

void VirtualSocketServer::broadcastInterfaces()
{
    std::lock_guard<std::mutex> watch(m_WatchMutex);
    const QByteArray list = VirtualSocketProtocol::encodeInterfaces(interfaces());
    for (int fd : m_Watchers) {
        if (!VirtualSocketProtocol::sendFrame(fd, VirtualSocketProtocol::Interfaces, list,
                                              kPushTimeout))
            ::shutdown(fd, SHUT_RDWR); // its thread sees the hang-up and leaves
    }
}
