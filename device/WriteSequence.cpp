#include "device/WriteSequence.h"

#include "device/CommandTransport.h"
#include "device/PollingControl.h"
#include "model/GlobalRecords.h"

quint8 WriteSequence::run(const MouseConfig& config, int iMask)
{
    // Every group is sent on every write; the mask only tells what changed.
    Q_UNUSED(iMask);
    if (m_pPolling) {
        m_pPolling->stopPolling();
        // A stopped battery thread may still be inside its last read, where it would take the
        // echo of the begin marker and cost the transport a resend: let it end first.
        m_pPolling->waitUntilStopped(kPollingStopWaitMs);
    }

    MouseConfig& device = GlobalRecords::deviceCopy();
    device = config;

    quint8 result = DeviceCommands::sendMarker(0);
    if (result == 0)
        result = DeviceCommands::sendGeneralSettings(device);
    if (result == 0)
        result = m_Commands.sendButtonTable(device);
    if (result == 0)
        result = DeviceCommands::sendDpiTable(device, 0);
    if (result == 0)
        result = m_Commands.sendMacros(device);
    if (result == 0)
        result = DeviceCommands::sendMarker(1);

    // Also after a failed write, unless there was no mouse at all: the window must go on
    // following the mouse's battery and buttons. The failure is remembered in Config/Diff, so
    // the next write is a full one anyway.
    if (m_pPolling && result != CommandTransport::NoDevice)
        m_pPolling->startPolling();
    return result;
}
