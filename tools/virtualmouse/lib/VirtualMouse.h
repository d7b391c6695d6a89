#pragma once

#include "VirtualMouseConfig.h"
#include "device/HidDeviceInfo.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QWaitCondition>

#include <cstddef>
#include <deque>
#include <map>
#include <memory>

// The mouse's side of the protocol: a receiver and a cable link, each with a mouse and a control
// interface, answering commands as the transport expects and keeping what it is sent. Everything
// is thread-safe; the signals are emitted from the thread that caused them, outside the lock.
//
// Answers are 32-byte input reports (the report ID is not part of an input report). A command is
// echoed (bytes 1..32) exactly when byte 4 is at most 0x0A, 0x40 or 0x46, the codes after which
// the transport reads. A checksummed report whose checksum is wrong is neither kept nor applied;
// if it would have been echoed, the answer carries the checksum the mouse computed instead of the
// one sent, which never equals the command, so the transport's echo check fails and it retries.
class WakeEvent;

class VirtualMouse : public QObject
{
    Q_OBJECT
public:
    enum class Link
    {
        Receiver = 0,
        Cable = 1,
    };
    Q_ENUM(Link)
    enum class Interface
    {
        Mouse = 0,
        Control = 2,
    };
    Q_ENUM(Interface)

    static constexpr quint16 kVendorId = 0x3F1C;
    static constexpr quint16 kReceiverProductId = 0x7C21;
    static constexpr quint16 kCableProductId = 0x7C22;
    static constexpr int kReportSize = 33; // output report with its report ID 0
    static constexpr int kAnswerSize = 32; // input report
    static constexpr int kQueueLimit = 64; // input reports kept per open handle, oldest dropped

    explicit VirtualMouse(const QString& codeName = QStringLiteral("HORNBEAM"),
                          bool receiver = true, bool cable = false, QObject* parent = nullptr);
    ~VirtualMouse() override;

    QString codeName() const { return m_CodeName; }
    static QString linkName(Link link); // "receiver", "cable"
    static bool parseLink(const QString& text, Link* link);

    // Enumeration data of one interface (path left empty: the backend names it).
    HidDeviceInfo interfaceInfo(Link link, Interface iface) const;
    quint16 releaseNumber(Link link) const;
    void setReleaseNumber(Link link, quint16 release);

    // The person at the mouse.
    bool isPlugged(Link link) const;
    void plug(Link link);
    void unplug(Link link); // open handles of the link fail from now on, even after a re-plug
    void pressDpiButton();
    void setReportRate(quint8 code);
    void setBattery(quint8 level, bool charging);
    quint8 batteryLevel() const;
    bool isCharging() const;

    // A faulty link: each count covers the next N answers (drop, zero, garble) or control-
    // interface operations (writes, reads). Answers are the echoes, rejections and battery
    // answers; status reports the mouse sends by itself are not counted.
    void dropAnswers(int count);
    void zeroAnswers(int count);
    void garbleAnswers(int count); // the last byte (command byte 32) inverted
    void failWrites(int count);
    void failReads(int count);
    void setAnswerDelay(int milliseconds);
    // Opens through the socket are refused as a device node this user may not open would be.
    void denyOpens(bool bDeny);
    bool deniesOpens() const;
    void clearFaults();

    VirtualMouseConfig heldConfiguration() const;
    bool isSessionOpen() const;
    int rejectedReports() const; // checksummed reports refused for their checksum

    // Handle-level I/O with hidapi's conventions, used by VirtualHidDevice and the socket server.
    int openHandle(Link link, Interface iface); // handle id > 0, or -1 when not plugged
    int write(int handle, const quint8* data, std::size_t length);
    int read(int handle, quint8* data, std::size_t length, int milliseconds);
    // Sleeps until the handle has an input report ready, `otherFd` becomes readable, or
    // `milliseconds` pass (negative: no limit), without taking the report. 1: input ready,
    // 0: `otherFd` moved or the time ran out, -1: the handle is closed or its link unplugged.
    int waitForInput(int handle, int otherFd, int milliseconds);
    // The input report ready now, taken as read() would take it; 0 when none is ready or a read
    // fault is armed (that read is the client's own to meet), -1 when the handle is gone.
    int takeReady(int handle, quint8* data, std::size_t length);
    void closeHandle(int handle);

    // Complement of the 8-bit sum of bytes 1..31 of a 33-byte report.
    static quint8 checksum(const quint8* report);

signals:
    void reportReceived(VirtualMouse::Link link, const QByteArray& report); // 33 bytes
    void answerSent(VirtualMouse::Link link, const QByteArray& answer);
    void statusSent(const QByteArray& report);
    void faultApplied(const QString& what);
    void plugChanged(VirtualMouse::Link link, bool plugged);
    void configurationApplied();

private:
    struct Pending
    {
        QByteArray data;
        qint64 readyAt = 0;
    };
    struct Handle
    {
        Link link = Link::Receiver;
        Interface iface = Interface::Control;
        quint32 generation = 0;
        std::deque<Pending> queue;
        // Raised whenever the queue grows or the handle dies, so waiters can sleep on it.
        std::shared_ptr<WakeEvent> notify;
    };
    struct Outbox;

    bool isAlive(const Handle& handle) const;
    void handleCommand(Link link, const QByteArray& report, Outbox& out);
    void handleShortForm(Link link, const QByteArray& report, Outbox& out);
    void handleChecksummed(Link link, const QByteArray& report, Outbox& out);
    void applySession();
    void sendAnswer(Link link, QByteArray answer, Outbox& out);
    void sendStatus(Outbox& out);
    void queueTo(Link link, const QByteArray& data, qint64 readyAt);
    QByteArray statusReport() const;
    void deliver(const Outbox& out);
    void wakeWaiters(); // under m_Mutex

    const QString m_CodeName;
    mutable QMutex m_Mutex;
    QWaitCondition m_Arrived;
    QElapsedTimer m_Clock;

    std::map<int, Handle> m_Handles;
    int m_iNextHandle = 1;
    bool m_Plugged[2] = {true, false};
    quint32 m_Generation[2] = {0, 0};
    quint16 m_Release[2] = {0x0100, 0x0102};

    VirtualMouseConfig m_Held;
    QMap<quint8, QByteArray> m_Session;
    bool m_bSessionOpen = false;
    Link m_SessionLink = Link::Receiver;
    int m_iRejected = 0;

    quint8 m_iBattery = 100;
    bool m_bCharging = false;

    int m_iDropAnswers = 0;
    int m_iZeroAnswers = 0;
    int m_iGarbleAnswers = 0;
    int m_iFailWrites = 0;
    int m_iFailReads = 0;
    bool m_bDenyOpens = false;
    int m_iAnswerDelay = 0;
};
