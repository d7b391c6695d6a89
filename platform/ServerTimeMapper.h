#pragma once

#include <QtGlobal>

// Puts the X server's event times (32-bit milliseconds that wrap after 49 days) onto the
// process's monotonic clock. The offset between the two clocks is taken once, from the first
// event, so that the gaps between mapped times are exactly the server's own gaps and not the
// jitter of when this process got round to reading them; a recording measures those gaps.
class ServerTimeMapper
{
public:
    // `readAtMs`: the monotonic time when the event was read. The results never decrease.
    qint64 map(quint32 serverTime, qint64 readAtMs);
    void reset();

private:
    bool m_bStarted = false;
    quint32 m_uLastServer = 0;
    qint64 m_iServer = 0; // the server time, unwrapped
    qint64 m_iOffset = 0;
    qint64 m_iLastResult = 0;
};
