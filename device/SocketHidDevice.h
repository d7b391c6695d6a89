#pragma once

#include "device/HandleGuard.h"
#include "device/HidDevice.h"

#include <QByteArray>

#include <atomic>
#include <deque>
#include <mutex>

// One interface of a virtual mouse opened over its local socket. The connection carries one
// request and its reply at a time, so calls are serialised as on a hidapi handle; close() from
// another thread shuts the connection down, which ends a call that waits for its reply.
class SocketHidDevice : public HidDevice
{
public:
    explicit SocketHidDevice(int fd); // a connection on which Open succeeded; the object owns it
    ~SocketHidDevice() override;

    int write(const quint8* data, std::size_t length) override;
    int readTimeout(quint8* data, std::size_t length, int milliseconds) override;
    int setNonblocking(int nonblock) override;
    InputWait waitForInput(const WakeEvent& wake, int milliseconds) override;
    void close() override;

private:
    void keepArrived(const QByteArray& report);
    // The next frame from the mouse; false when it broke off or did not come in time.
    bool receive(quint8* type, QByteArray* payload, int milliseconds);

    int m_iFd;
    int m_iNonblocking = 0;
    std::atomic<bool> m_bShutDown{false};
    bool m_bBroken = false; // a reply went missing: the stream can no longer be trusted
    std::mutex m_CallMutex;
    std::deque<QByteArray> m_Arrived; // input reports that came with an answer, not read yet
    QByteArray m_Incoming;            // bytes received, not yet a whole frame
    HandleGuard m_Guard;
};
