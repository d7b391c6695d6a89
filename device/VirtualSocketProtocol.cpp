#include "device/VirtualSocketProtocol.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QIODevice>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Waits for fd to become ready for events; false on time-out or error.
bool waitFor(int fd, short events, const QDeadlineTimer& deadline)
{
    for (;;) {
        pollfd p{fd, events, 0};
        const qint64 left = deadline.remainingTime(); // -1: forever
        const int r = ::poll(&p, 1, left < 0 ? -1 : int(qMin<qint64>(left, 1 << 30)));
        if (r > 0)
            return true; // errors and hang-ups show up in the following call
        if (r == 0 || errno != EINTR)
            return false;
    }
}

// Each system call counts in an idle tool's cost: the call is tried first, and poll() waits
// only when it would block.
bool readExactly(int fd, char* data, int length, const QDeadlineTimer& deadline)
{
    int done = 0;
    while (done < length) {
        const ssize_t n = ::recv(fd, data + done, length - done, MSG_DONTWAIT);
        if (n == 0)
            return false; // peer closed
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if ((errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(fd, POLLIN, deadline))
                continue;
            return false;
        }
        done += int(n);
    }
    return true;
}

QDeadlineTimer deadlineIn(int milliseconds)
{
    return milliseconds < 0 ? QDeadlineTimer(QDeadlineTimer::Forever)
                            : QDeadlineTimer(milliseconds);
}

void writeString(QDataStream& out, const QString& text)
{
    const QByteArray utf8 = text.toUtf8().left(1024);
    out << quint16(utf8.size());
    out.writeRawData(utf8.constData(), utf8.size());
}

bool readString(QDataStream& in, QString* text)
{
    quint16 size = 0;
    in >> size;
    QByteArray utf8(size, '\0');
    if (in.readRawData(utf8.data(), size) != size)
        return false;
    *text = QString::fromUtf8(utf8);
    return in.status() == QDataStream::Ok;
}

} // namespace

QString VirtualSocketProtocol::directory()
{
    const QByteArray overridden = qgetenv("MOUSECFG_VIRTUAL_DIR");
    if (!overridden.isEmpty())
        return QFile::decodeName(overridden);
    const QByteArray xdg = qgetenv("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty())
        return QFile::decodeName(xdg) + QStringLiteral("/mousecfg-virtual");
    return QDir::tempPath() + QStringLiteral("/mousecfg-virtual-") + QString::number(::getuid());
}

bool VirtualSocketProtocol::isTrustedDirectory(const QString& dir)
{
    struct stat st;
    if (dir.isEmpty() || ::lstat(QFile::encodeName(dir).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 0022) == 0;
}

bool VirtualSocketProtocol::prepareDirectory(const QString& dir)
{
    const QByteArray encoded = QFile::encodeName(dir);
    if (::mkdir(encoded.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    return isTrustedDirectory(dir);
}

QByteArray VirtualSocketProtocol::encodeInterfaces(const std::vector<HidDeviceInfo>& interfaces)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint8(qMin<std::size_t>(interfaces.size(), 255));
    for (std::size_t i = 0; i < interfaces.size() && i < 255; ++i) {
        const HidDeviceInfo& info = interfaces[i];
        writeString(out, QString::fromLatin1(info.path));
        out << info.vendorId << info.productId << info.releaseNumber << info.usagePage << info.usage
            << qint32(info.interfaceNumber);
        writeString(out, info.manufacturer);
        writeString(out, info.product);
    }
    return payload;
}

bool VirtualSocketProtocol::decodeInterfaces(const QByteArray& payload,
                                             std::vector<HidDeviceInfo>* interfaces)
{
    QDataStream in(payload);
    in.setByteOrder(QDataStream::LittleEndian);
    quint8 count = 0;
    in >> count;
    std::vector<HidDeviceInfo> found;
    for (int i = 0; i < count; ++i) {
        HidDeviceInfo info;
        QString path;
        qint32 number = -1;
        if (!readString(in, &path))
            return false;
        info.path = path.toLatin1();
        in >> info.vendorId >> info.productId >> info.releaseNumber >> info.usagePage >>
            info.usage >> number;
        info.interfaceNumber = number;
        if (!readString(in, &info.manufacturer) || !readString(in, &info.product))
            return false;
        found.push_back(info);
    }
    if (in.status() != QDataStream::Ok)
        return false;
    *interfaces = std::move(found);
    return true;
}

QByteArray VirtualSocketProtocol::frame(quint8 type, const QByteArray& payload)
{
    const quint32 length = quint32(payload.size() + 1);
    QByteArray bytes;
    bytes.reserve(int(length) + 4);
    for (int i = 0; i < 4; ++i)
        bytes.append(char((length >> (8 * i)) & 0xFF));
    bytes.append(char(type));
    bytes.append(payload);
    return bytes;
}

bool VirtualSocketProtocol::takeFrame(QByteArray& buffer, quint8* type, QByteArray* payload,
                                      bool* bad)
{
    *bad = false;
    if (buffer.size() < 4)
        return false;
    quint32 length = 0;
    for (int i = 0; i < 4; ++i)
        length |= quint32(quint8(buffer.at(i))) << (8 * i);
    if (length < 1 || length > quint32(kMaxFrame)) {
        *bad = true;
        return false;
    }
    if (quint32(buffer.size()) < 4 + length)
        return false;
    *type = quint8(buffer.at(4));
    *payload = buffer.mid(5, int(length) - 1);
    buffer.remove(0, int(length) + 4);
    return true;
}

int VirtualSocketProtocol::connectTo(const QString& socketPath)
{
    const QByteArray encoded = QFile::encodeName(socketPath);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (encoded.size() >= int(sizeof(address.sun_path)))
        return -1;
    std::memcpy(address.sun_path, encoded.constData(), encoded.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    // Local stream sockets connect at once or are refused (a stale socket file); no waiting.
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool VirtualSocketProtocol::sendFrame(int fd, quint8 type, const QByteArray& payload,
                                      int milliseconds)
{
    return sendBytes(fd, frame(type, payload), milliseconds);
}

bool VirtualSocketProtocol::sendBytes(int fd, const QByteArray& bytes, int milliseconds)
{
    const QDeadlineTimer deadline = deadlineIn(milliseconds);
    int done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::send(fd, bytes.constData() + done, bytes.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if ((errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(fd, POLLOUT, deadline))
                continue;
            return false;
        }
        done += int(n);
    }
    return true;
}

bool VirtualSocketProtocol::receiveFrame(int fd, quint8* type, QByteArray* payload,
                                         int milliseconds)
{
    const QDeadlineTimer deadline = deadlineIn(milliseconds);
    // Every frame holds at least its type: length and type are read together.
    char header[5];
    if (!readExactly(fd, header, 5, deadline))
        return false;
    quint32 length = 0;
    for (int i = 0; i < 4; ++i)
        length |= quint32(quint8(header[i])) << (8 * i);
    if (length < 1 || length > quint32(kMaxFrame))
        return false;
    *type = quint8(header[4]);
    QByteArray bytes(int(length) - 1, '\0');
    if (length > 1 && !readExactly(fd, bytes.data(), bytes.size(), deadline))
        return false;
    *payload = bytes;
    return true;
}
