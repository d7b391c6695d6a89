#pragma once

#include "device/HidDeviceInfo.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <vector>

// The local-socket protocol between a running virtual-mouse program and the tool. One socket per
// emulated mouse lies in the virtual-device folder. Every message is a frame: a 32-bit little-
// endian length, then that many bytes, the first of which is the message type. A connection
// either asks for the interface list once (Describe), follows it (Watch: the list now and again
// after every plug or unplug), or opens one interface (Open) and then carries that handle's
// writes and reads, one request and one reply at a time, until it is closed. A Wait lets the
// client sleep on the socket until the mouse has input or its time runs out; it is the one
// request that the client may interrupt, with Cancel, and it is answered exactly once either
// way. An input report that is ready when a Write or a Wait is answered rides along with the
// answer, so that a query and its answer cost the client one wake, as a device node does. A
// client that will wait after a query sends the Wait right behind the Write: the mouse serves
// it once the Result is out, and the client asks nothing else before it has cancelled it.
class VirtualSocketProtocol
{
public:
    enum Type : quint8
    {
        Describe = 0x01,   // -> Interfaces
        Watch = 0x02,      // -> Interfaces, repeated on every change
        Open = 0x03,       // u8 link (0 receiver, 1 cable), u8 interface number -> Opened
        Write = 0x04,      // report bytes -> Result
        Read = 0x05,       // i32 milliseconds, u32 maximum length -> Data
        Wait = 0x06,       // [i32 milliseconds, none: no limit] -> Ready
        Cancel = 0x07,     // ends a pending Wait; no reply of its own, ignored when none is
        Interfaces = 0x81, // u8 count, then per interface: see encodeInterfaces()
        Opened = 0x83,     // u8 HidOpenError
        Result = 0x84,     // i32, then the input report ready at once, if any
        Data = 0x85,       // i32 result, then the bytes read
        Ready = 0x86,      // u8 WaitState, then with WaitInput the report, when it could be taken
    };

    enum WaitState : quint8
    {
        WaitCancelled = 0,
        WaitInput = 1,
        WaitFailed = 2, // the handle is closed or its link unplugged
        WaitTimedOut = 3,
    };

    static constexpr int kMaxFrame = 64 * 1024;
    static constexpr int kReplyGrace = 2000; // ms a reply may take beyond the call's own time-out

    // The folder the sockets live in: $MOUSECFG_VIRTUAL_DIR when set, else
    // $XDG_RUNTIME_DIR/mousecfg-virtual, else <temp>/mousecfg-virtual-<uid>.
    static QString directory();
    // Creates the folder private to this user when missing; false when it is not usable.
    static bool prepareDirectory(const QString& dir);
    // A folder another user could write into could hand us a fake mouse: only our own, closed to
    // others, is trusted.
    static bool isTrustedDirectory(const QString& dir);
    static QString socketSuffix() { return QStringLiteral(".sock"); }

    // Interface list: each entry's path is "<receiver|cable>:<interface number>".
    static QByteArray encodeInterfaces(const std::vector<HidDeviceInfo>& interfaces);
    static bool decodeInterfaces(const QByteArray& payload, std::vector<HidDeviceInfo>* interfaces);

    static QByteArray frame(quint8 type, const QByteArray& payload = QByteArray());
    // Takes one complete frame off the front of buffer. False while incomplete; *bad when the
    // buffer cannot hold a valid frame (the connection should be dropped).
    static bool takeFrame(QByteArray& buffer, quint8* type, QByteArray* payload, bool* bad);

    // Blocking helpers on a connected socket, with poll() time-outs (negative: no limit).
    static int connectTo(const QString& socketPath); // fd, or -1
    static bool sendFrame(int fd, quint8 type, const QByteArray& payload, int milliseconds);
    // Frames already made, sent in one go (a request and the Wait that follows it).
    static bool sendBytes(int fd, const QByteArray& bytes, int milliseconds);
    static bool receiveFrame(int fd, quint8* type, QByteArray* payload, int milliseconds);
};
