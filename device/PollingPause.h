#pragma once

#include <QtGlobal>

class PollingControl;

// Keeps battery polling off the control interface while one job of the writer's thread talks to
// the mouse: polling stops, and the battery thread's last read ends, before the first command
// goes out; afterwards polling comes back unless there was no mouse at all. The configuration
// write and the slot switch both go through here, so both treat polling alike.
class PollingPause
{
public:
    // A battery round lasts at most about 210 ms.
    static constexpr unsigned long kStopWaitMs = 500;

    // Stops polling and waits for the battery thread; nullptr: nothing to stop.
    explicit PollingPause(PollingControl* polling);

    // The job's result decides whether polling comes back.
    void end(quint8 iResult);

private:
    PollingControl* m_pPolling;
};
