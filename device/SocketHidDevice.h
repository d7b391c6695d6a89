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
    int writeThenWait(const quint8* data, std::size_t length, int milliseconds) override;
    void close() override;

private:
    // Sends the report (and a Wait after it, when given) and takes the Result; under the lock.
    int sendWrite(const quint8* data, std::size_t length, const QByteArray& wait);
    // The mouse serves nothing else while a Wait is open: it is cancelled and its answer taken
    // first. False when the answer did not come (the connection is broken then).
    bool endPendingWait();
    // The Ready that ends a Wait; its report, if any, is kept for the next read.
    bool receiveReady(quint8* state, bool bReadable = false);
    void keepArrived(const QByteArray& report);
    int takeArrived(quint8* data, std::size_t length); // the oldest kept report; one is there
    // The next frame from the mouse; false when it broke off or did not come in time.
    // bReadable: the socket was just seen readable, so the first look needs no poll.
    bool receive(quint8* type, QByteArray* payload, int milliseconds, bool bReadable = false);

    int m_iFd;
    int m_iNonblocking = 0;
    std::atomic<bool> m_bShutDown{false};
    bool m_bBroken = false;      // a reply went missing: the stream can no longer be trusted
    bool m_bWaitPending = false; // a Wait was sent and its Ready has not come yet
    std::mutex m_CallMutex;
    std::deque<QByteArray> m_Arrived; // input reports that came with an answer, not read yet
    QByteArray m_Incoming;            // bytes received, not yet a whole frame
    HandleGuard m_Guard;
};
