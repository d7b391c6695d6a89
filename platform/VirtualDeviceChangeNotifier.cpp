#include "platform/VirtualDeviceChangeNotifier.h"

#include "device/VirtualSocketProtocol.h"
#include "platform/UdevDeviceChangeNotifier.h"

#include <QDir>
#include <QFileSystemWatcher>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <vector>

VirtualDeviceChangeNotifier::VirtualDeviceChangeNotifier(const QString& dir, QObject* parent)
    : DeviceChangeNotifier(parent), m_Dir(dir.isEmpty() ? VirtualSocketProtocol::directory() : dir)
{
    // The folder is made now, private to this user, so that programs started later are seen.
    if (!VirtualSocketProtocol::prepareDirectory(m_Dir))
        return;
    m_pWatcher = new QFileSystemWatcher(this);
    m_bActive = m_pWatcher->addPath(m_Dir);
    connect(m_pWatcher, &QFileSystemWatcher::directoryChanged, this,
            &VirtualDeviceChangeNotifier::scan);
    scan();
}

VirtualDeviceChangeNotifier::~VirtualDeviceChangeNotifier()
{
    for (Peer& peer : m_Peers) {
        peer.socket->disconnect(this);
        peer.socket->abort();
    }
}

bool VirtualDeviceChangeNotifier::isActive() const
{
    return m_bActive;
}

QString VirtualDeviceChangeNotifier::interfacePath(const QString& socketName,
                                                   const HidDeviceInfo& info)
{
    QString base = socketName;
    if (base.endsWith(VirtualSocketProtocol::socketSuffix()))
        base.chop(VirtualSocketProtocol::socketSuffix().size());
    const QString link = QString::fromLatin1(info.path.split(':').value(0));
    return UdevDeviceChangeNotifier::interfacePath(info.vendorId, info.productId,
                                                   info.interfaceNumber,
                                                   QStringLiteral("virtual_%1_%2").arg(base, link));
}

void VirtualDeviceChangeNotifier::scan()
{
    if (!VirtualSocketProtocol::isTrustedDirectory(m_Dir))
        return;
    const QStringList names =
        QDir(m_Dir).entryList({QStringLiteral("*") + VirtualSocketProtocol::socketSuffix()},
                              QDir::System | QDir::Files, QDir::Name);
    for (const QString& name : names) {
        if (!m_Peers.contains(name) && m_Refusals.value(name) <= kMaxRefusals)
            follow(name);
    }
}

void VirtualDeviceChangeNotifier::follow(const QString& name)
{
    auto* socket = new QLocalSocket(this);
    Peer peer;
    peer.socket = socket;
    m_Peers.insert(name, peer);
    connect(socket, &QLocalSocket::connected, this, [this, socket, name] {
        m_Refusals.remove(name);
        auto it = m_Peers.find(name);
        if (it != m_Peers.end())
            it->connected = true;
        socket->write(VirtualSocketProtocol::frame(VirtualSocketProtocol::Watch));
    });
    connect(socket, &QLocalSocket::readyRead, this, [this, name] { readFrom(name); });
    // A stale socket is refused at once; a program that ends closes the connection.
    connect(socket, &QLocalSocket::disconnected, this, [this, name] { forget(name); });
    connect(socket, &QLocalSocket::errorOccurred, this,
            [this, name](QLocalSocket::LocalSocketError) {
                const bool neverConnected = !m_Peers.value(name).connected;
                forget(name);
                if (neverConnected)
                    retryLater(name);
            });
    socket->connectToServer(m_Dir + QLatin1Char('/') + name);
}

void VirtualDeviceChangeNotifier::retryLater(const QString& name)
{
    // A program creates its socket file a moment before it accepts connections, so a refusal
    // right after the file appears is not yet a sign of a stale socket: look again a few times.
    const int refusals = ++m_Refusals[name];
    if (refusals > kMaxRefusals)
        return;
    QTimer::singleShot(kRetryMs, this, &VirtualDeviceChangeNotifier::scan);
}

void VirtualDeviceChangeNotifier::readFrom(const QString& name)
{
    auto it = m_Peers.find(name);
    if (it == m_Peers.end())
        return;
    it->buffer += it->socket->readAll();
    quint8 type = 0;
    QByteArray payload;
    bool bad = false;
    QHash<QByteArray, HidDeviceInfo> latest;
    bool any = false;
    while (VirtualSocketProtocol::takeFrame(it->buffer, &type, &payload, &bad)) {
        std::vector<HidDeviceInfo> list;
        if (type != VirtualSocketProtocol::Interfaces ||
            !VirtualSocketProtocol::decodeInterfaces(payload, &list)) {
            bad = true;
            break;
        }
        // Only the newest list counts; lists that came in one go replace each other.
        latest.clear();
        for (const HidDeviceInfo& info : list)
            latest.insert(info.path, info);
        any = true;
    }
    if (bad) {
        forget(name);
        return;
    }
    if (any)
        update(name, latest);
}

void VirtualDeviceChangeNotifier::update(const QString& name,
                                         const QHash<QByteArray, HidDeviceInfo>& now)
{
    auto it = m_Peers.find(name);
    if (it == m_Peers.end())
        return;
    const QHash<QByteArray, HidDeviceInfo> before = it->interfaces;
    it->interfaces = now;

    QStringList removed;
    QStringList arrived;
    QList<QByteArray> keys = before.keys();
    std::sort(keys.begin(), keys.end());
    for (const QByteArray& key : keys) {
        if (!now.contains(key))
            removed << interfacePath(name, before.value(key));
    }
    keys = now.keys();
    std::sort(keys.begin(), keys.end());
    for (const QByteArray& key : keys) {
        if (!before.contains(key))
            arrived << interfacePath(name, now.value(key));
    }
    // A receiver of the signals may delete this notifier.
    const QPointer<VirtualDeviceChangeNotifier> self(this);
    for (const QString& path : removed) {
        emit deviceRemoved(path);
        if (!self)
            return;
    }
    for (const QString& path : arrived) {
        emit deviceArrived(path);
        if (!self)
            return;
    }
}

void VirtualDeviceChangeNotifier::forget(const QString& name)
{
    auto it = m_Peers.find(name);
    if (it == m_Peers.end())
        return;
    QLocalSocket* socket = it->socket;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    const QPointer<VirtualDeviceChangeNotifier> self(this);
    update(name, {});
    if (self)
        m_Peers.remove(name);
}
