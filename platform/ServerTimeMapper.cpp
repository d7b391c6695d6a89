#include "platform/ServerTimeMapper.h"

#include <algorithm>

qint64 ServerTimeMapper::map(quint32 serverTime, qint64 readAtMs)
{
    if (!m_bStarted) {
        m_bStarted = true;
        m_iServer = serverTime;
        m_iOffset = readAtMs - m_iServer;
    } else {
        // Events come in order; a signed step also keeps a stamp a little out of order sane.
        m_iServer += qint32(serverTime - m_uLastServer);
    }
    m_uLastServer = serverTime;
    m_iLastResult = std::max(m_iLastResult, m_iServer + m_iOffset);
    return m_iLastResult;
}

void ServerTimeMapper::reset()
{
    *this = ServerTimeMapper();
}
