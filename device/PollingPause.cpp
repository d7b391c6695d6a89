#include "device/PollingPause.h"

#include "device/CommandTransport.h"
#include "device/PollingControl.h"

PollingPause::PollingPause(PollingControl* polling) : m_pPolling(polling)
{
    if (!m_pPolling)
        return;
    m_pPolling->stopPolling();
    // A stopped battery thread may still be inside its last read, where it would take the
    // echo of the first command and cost the transport a resend: let it end first.
    m_pPolling->waitUntilStopped(kStopWaitMs);
}

void PollingPause::end(quint8 iResult)
{
    // Also after a failure, unless there was no mouse at all: the window must go on following
    // the mouse's battery and buttons.
    if (m_pPolling && iResult != CommandTransport::NoDevice)
        m_pPolling->startPolling();
}
