#include "platform/InstanceRequestReader.h"

#include <QtEndian>

namespace {
constexpr quint32 kNullString = 0xFFFFFFFFu;
} // namespace

InstanceRequestReader::State InstanceRequestReader::feed(const QByteArray& bytes)
{
    if (m_State != Incomplete)
        return m_State;
    const int taken = qMin(bytes.size(), room());
    m_Bytes.append(bytes.constData(), taken);
    m_State = parse();
    // A full buffer that still holds no whole request can only be a request that is too big.
    if (m_State == Incomplete && m_Bytes.size() >= kMaxRequestBytes)
        m_State = Refused;
    if (m_State != Incomplete)
        m_Bytes = QByteArray();
    return m_State;
}

// Reads from the start each time: the buffer is small, and the request usually comes in one
// piece anyway.
InstanceRequestReader::State InstanceRequestReader::parse()
{
    const auto* data = reinterpret_cast<const uchar*>(m_Bytes.constData());
    const qint64 size = m_Bytes.size();
    if (size < 4)
        return Incomplete;
    const quint32 count = qFromBigEndian<quint32>(data);
    // Also turns away a negative count from a sender that writes it signed.
    if (count > kMaxArguments)
        return Refused;
    qint64 at = 4;
    QStringList args;
    for (quint32 i = 0; i < count; ++i) {
        if (size - at < 4)
            return Incomplete;
        const quint32 length = qFromBigEndian<quint32>(data + at);
        at += 4;
        if (length == kNullString) {
            args << QString();
            continue;
        }
        // Checked against the bounds before waiting for the bytes, so that a sender cannot
        // announce a huge string and then hold the connection open.
        if (length > kMaxStringBytes || length % 2 != 0 || at + length > kMaxRequestBytes)
            return Refused;
        if (size - at < qint64(length))
            return Incomplete;
        QString text(int(length / 2), Qt::Uninitialized);
        for (int k = 0; k < text.size(); ++k)
            text[k] = QChar(qFromBigEndian<quint16>(data + at + 2 * k));
        // QDataStream tells an empty string from a null one; so do we.
        args << (length == 0 ? QString(QLatin1String("")) : text);
        at += length;
    }
    m_Args = args;
    m_iConsumed = int(at);
    return Complete;
}
