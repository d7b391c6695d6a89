#pragma once

#include "device/HidDeviceInfo.h"
#include "platform/DeviceChangeNotifier.h"

#include <QHash>
#include <QSet>
#include <QString>

class QFileSystemWatcher;
class QLocalSocket;

// Follows the virtual mice of running virtual-mouse programs: watches the virtual-device folder
// for sockets and keeps a Watch connection to each, which the program uses to push its interface
// list after every plug or unplug. An interface that appears or disappears is announced with the
// same path form as a real one, so one plug or unplug of a link gives two notifications (its
// interfaces 0 and 2); a program that ends takes all its interfaces with it.
class VirtualDeviceChangeNotifier : public DeviceChangeNotifier
{
    Q_OBJECT
public:
    // dir: the folder to follow; empty: VirtualSocketProtocol::directory(), created when missing.
    explicit VirtualDeviceChangeNotifier(const QString& dir = QString(), QObject* parent = nullptr);
    ~VirtualDeviceChangeNotifier() override;

    bool isActive() const override;
    QString directory() const { return m_Dir; }

    // The announced path of one interface of the mouse behind socketName.
    static QString interfacePath(const QString& socketName, const HidDeviceInfo& info);

private slots:
    void scan();

private:
    struct Peer
    {
        QLocalSocket* socket = nullptr;
        QByteArray buffer;
        QHash<QByteArray, HidDeviceInfo> interfaces; // by "<link>:<number>"
        bool connected = false;
    };

    static constexpr int kRetryMs = 200;
    static constexpr int kMaxRefusals = 25;

    void follow(const QString& name);
    void readFrom(const QString& name);
    void update(const QString& name, const QHash<QByteArray, HidDeviceInfo>& now);
    void forget(const QString& name);
    void retryLater(const QString& name);

    QString m_Dir;
    bool m_bActive = false;
    QFileSystemWatcher* m_pWatcher = nullptr;
    QHash<QString, Peer> m_Peers;   // by socket file name
    QHash<QString, int> m_Refusals; // refused connections of sockets never answered
};
