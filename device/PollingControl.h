#pragma once

// Battery polling as the writer sees it: stopped before the configuration goes out, started
// again after a write that succeeded.
class PollingControl
{
public:
    virtual ~PollingControl() = default;
    virtual int startPolling() = 0;
    virtual void stopPolling() = 0;
    // Waits up to `milliseconds` until a stopped poller no longer touches the mouse.
    virtual void waitUntilStopped(unsigned long milliseconds) { (void)milliseconds; }
};
