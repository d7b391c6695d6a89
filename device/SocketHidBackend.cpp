#include "device/SocketHidBackend.h"

#include "device/SocketHidDevice.h"
#include "device/VirtualSocketProtocol.h"

#include <QDir>
#include <QList>

#include <unistd.h>

namespace {

const QByteArray kScheme = "virtual";

} // namespace

SocketHidBackend::SocketHidBackend(const QString& dir) : m_Dir(dir) {}

QString SocketHidBackend::directory() const
{
    return m_Dir.isEmpty() ? VirtualSocketProtocol::directory() : m_Dir;
}

int SocketHidBackend::init()
{
    return 0; // nothing to set up: a missing folder just holds no mice
}

int SocketHidBackend::exit()
{
    return 0;
}

bool SocketHidBackend::describe(const QString& socketPath, std::vector<HidDeviceInfo>* interfaces)
{
    const int fd = VirtualSocketProtocol::connectTo(socketPath);
    if (fd < 0)
        return false; // a socket left behind by a program that is gone
    quint8 type = 0;
    QByteArray payload;
    const bool ok = VirtualSocketProtocol::sendFrame(fd, VirtualSocketProtocol::Describe,
                                                     QByteArray(), kAnswerTimeout) &&
                    VirtualSocketProtocol::receiveFrame(fd, &type, &payload, kAnswerTimeout) &&
                    type == VirtualSocketProtocol::Interfaces &&
                    VirtualSocketProtocol::decodeInterfaces(payload, interfaces);
    ::close(fd);
    return ok;
}

std::vector<HidDeviceInfo> SocketHidBackend::enumerate(quint16 vendorId, quint16 productId)
{
    std::vector<HidDeviceInfo> found;
    const QString dir = directory();
    if (!VirtualSocketProtocol::isTrustedDirectory(dir))
        return found;
    const QStringList sockets =
        QDir(dir).entryList({QStringLiteral("*") + VirtualSocketProtocol::socketSuffix()},
                            QDir::System | QDir::Files, QDir::Name);
    for (const QString& name : sockets) {
        if (name.contains(QLatin1Char(':')))
            continue; // could not be told apart in a path
        std::vector<HidDeviceInfo> interfaces;
        if (!describe(dir + QLatin1Char('/') + name, &interfaces))
            continue;
        for (HidDeviceInfo& info : interfaces) {
            if ((vendorId != 0 && info.vendorId != vendorId) ||
                (productId != 0 && info.productId != productId))
                continue;
            info.path = kScheme + ':' + QFile::encodeName(name) + ':' + info.path;
            found.push_back(info);
        }
    }
    return found;
}

std::shared_ptr<HidDevice> SocketHidBackend::openPath(const QByteArray& path, HidOpenError* error)
{
    auto fail = [error](HidOpenError why) {
        if (error)
            *error = why;
        return std::shared_ptr<HidDevice>();
    };
    const QList<QByteArray> parts = path.split(':');
    if (parts.size() != 4 || parts[0] != kScheme || parts[1].isEmpty() || parts[1].contains('/'))
        return fail(HidOpenError::Absent);
    quint8 link = 0;
    if (parts[2] == "receiver")
        link = 0;
    else if (parts[2] == "cable")
        link = 1;
    else
        return fail(HidOpenError::Absent);
    bool ok = false;
    const int number = parts[3].toInt(&ok);
    if (!ok || number < 0 || number > 255)
        return fail(HidOpenError::Absent);

    const QString dir = directory();
    if (!VirtualSocketProtocol::isTrustedDirectory(dir))
        return fail(HidOpenError::Absent);
    const int fd =
        VirtualSocketProtocol::connectTo(dir + QLatin1Char('/') + QFile::decodeName(parts[1]));
    if (fd < 0)
        return fail(HidOpenError::Absent);
    QByteArray request;
    request.append(char(link));
    request.append(char(number));
    quint8 type = 0;
    QByteArray reply;
    if (!VirtualSocketProtocol::sendFrame(fd, VirtualSocketProtocol::Open, request,
                                          kAnswerTimeout) ||
        !VirtualSocketProtocol::receiveFrame(fd, &type, &reply, kAnswerTimeout) ||
        type != VirtualSocketProtocol::Opened || reply.size() != 1) {
        ::close(fd);
        return fail(HidOpenError::Other);
    }
    const quint8 code = quint8(reply.at(0));
    const auto status =
        code <= quint8(HidOpenError::Other) ? static_cast<HidOpenError>(code) : HidOpenError::Other;
    if (status != HidOpenError::None) {
        ::close(fd);
        return fail(status);
    }
    if (error)
        *error = HidOpenError::None;
    return std::make_shared<SocketHidDevice>(fd);
}
