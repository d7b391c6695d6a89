#pragma once

#include "device/DeviceCommands.h"
#include "model/MouseConfig.h"

class PollingControl;

// One write of the configuration to the mouse: begin marker, general settings, button table,
// DPI table, macro blocks, end marker. Battery polling is kept off the control interface while
// the reports go out and only comes back after a write that succeeded.
class WriteSequence
{
public:
    explicit WriteSequence(PollingControl* polling = nullptr) : m_pPolling(polling) {}

    // Copies `config` into the device copy and sends every group whatever the change mask says,
    // for the active slot: another slot than the first is selected on the mouse before.
    // Returns the first non-zero transport result, or 0.
    quint8 run(const MouseConfig& config, int iMask);

private:
    PollingControl* m_pPolling;
    DeviceCommands m_Commands;
};
