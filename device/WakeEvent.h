#pragma once

// A flag another thread can raise to end a wait at once. It is an eventfd, so a thread that waits
// for a device descriptor can wait for both in one poll() and sleeps until one of them moves.
// Raised stays raised until cleared.
class WakeEvent
{
public:
    WakeEvent();
    ~WakeEvent();

    WakeEvent(const WakeEvent&) = delete;
    WakeEvent& operator=(const WakeEvent&) = delete;

    // Readable while raised; -1 when the system gave no eventfd (waits then only time out).
    int fd() const { return m_iFd; }
    void raise();
    void clear();
    bool isRaised() const;
    // Sleeps up to `milliseconds` (negative: no limit) unless raised; true when raised.
    bool wait(int milliseconds) const;

    enum Outcome
    {
        Ready,  // `fd` has something to read (or hung up)
        Raised, // the event was raised
        TimedOut,
        Error,
    };
    // Sleeps until `fd` is readable, the event is raised, or `milliseconds` pass.
    Outcome waitWith(int fd, int milliseconds) const;

private:
    int m_iFd;
};
