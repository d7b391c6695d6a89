#pragma once

#include <QByteArray>
#include <QStringList>

// Reads one request of a later start from the bytes of its connection, as they arrive. The
// layout is what QDataStream writes for a QStringList, so any sender that streams its arguments
// that way is understood: a 32-bit big-endian count, then each string as a 32-bit byte length
// (0xFFFFFFFF for a null string) and that many bytes of UTF-16BE.
//
// Anyone who can reach the socket can send anything, so every count and length is checked
// against the bounds below before a single byte is set aside for it, and the buffer never holds
// more than kMaxRequestBytes.
class InstanceRequestReader
{
public:
    // A request is a command line of a few short words and perhaps a file path or two.
    static constexpr int kMaxRequestBytes = 64 * 1024;
    static constexpr quint32 kMaxArguments = 32;
    // PATH_MAX characters, so that any path the system accepts fits in one argument.
    static constexpr quint32 kMaxStringBytes = 4096 * 2;

    enum State
    {
        Incomplete, // more bytes are needed
        Complete,   // arguments() holds the request
        Refused     // out of bounds or malformed: the connection is to be closed
    };

    // Takes the next bytes of the connection. Once complete or refused, further bytes are
    // ignored.
    State feed(const QByteArray& bytes);
    // How many bytes feed() still takes before the request is too big.
    int room() const { return m_State == Incomplete ? kMaxRequestBytes - m_Bytes.size() : 0; }

    State state() const { return m_State; }
    const QStringList& arguments() const { return m_Args; }
    // The bytes the complete request took; what followed it is not part of it.
    int consumed() const { return m_iConsumed; }

private:
    State parse();

    QByteArray m_Bytes;
    State m_State = Incomplete;
    QStringList m_Args;
    int m_iConsumed = 0;
};
