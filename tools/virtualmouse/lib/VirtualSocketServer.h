#pragma once

#include "VirtualMouse.h"
#include "device/HidDeviceInfo.h"

#include <QMetaObject>
#include <QString>

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

class QDataStream;

// Serves one VirtualMouse on a local socket (protocol: device/VirtualSocketProtocol.h), one
// thread per connection, so that a tool on this machine finds and talks to it like a real one.
class VirtualSocketServer
{
public:
    explicit VirtualSocketServer(std::shared_ptr<VirtualMouse> mouse);
    ~VirtualSocketServer();

    VirtualSocketServer(const VirtualSocketServer&) = delete;
    VirtualSocketServer& operator=(const VirtualSocketServer&) = delete;

    // Binds socketPath (a socket file left behind by a program that is gone is replaced; one a
    // live program answers on is not) and starts accepting.
    bool listen(const QString& socketPath, QString* error);
    // Closes every connection and open handle, removes the socket file. Called by the destructor.
    void stop();
    QString socketPath() const { return m_SocketPath; }

    // The socket file name for a code name, unique per process: "<code name>-<pid>.sock".
    static QString socketNameFor(const QString& codeName);

    // What Describe answers: the plugged interfaces, paths "<receiver|cable>:<number>".
    std::vector<HidDeviceInfo> interfaces() const;

private:
    void acceptLoop();
    void serve(int id, int fd);
    void serveHandle(int fd, VirtualMouse::Link link, int number);
    // Answers one Wait; false when the connection should be dropped.
    // milliseconds: negative for no limit.
    bool serveWait(int fd, int handle, int milliseconds);
    // The report ready on `handle`, if any, after what `out` holds.
    void appendReady(QDataStream& out, int handle);
    static int waitTime(const QByteArray& waitPayload);
    static bool isReadable(int fd);
    void serveWatch(int fd);
    void broadcastInterfaces();
    void reapFinished();

    const std::shared_ptr<VirtualMouse> m_Mouse;
    QString m_SocketPath;
    int m_iListenFd = -1;
    int m_WakePipe[2] = {-1, -1};
    std::thread m_AcceptThread;
    QMetaObject::Connection m_PlugConnection;

    std::mutex m_Mutex; // guards everything below
    bool m_bStopping = false;
    int m_iNextId = 1;
    std::map<int, std::thread> m_Threads;
    std::vector<int> m_Finished;
    std::set<int> m_Connections;  // fds of live connections, shut down by stop()
    std::map<int, int> m_Handles; // fd -> open handle of the mouse
    std::mutex m_WatchMutex;      // orders list pushes to the watchers
    std::set<int> m_Watchers;
};
