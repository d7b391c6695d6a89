#pragma once

#include <functional>
#include <mutex>

// Lets one thread close a native handle while another is inside a call on it. close() only marks
// the handle; the native release runs once no call is in progress, so a read under way finishes
// on a live handle and every later call is refused.
class HandleGuard
{
public:
    explicit HandleGuard(std::function<void()> release);
    ~HandleGuard();

    HandleGuard(const HandleGuard&) = delete;
    HandleGuard& operator=(const HandleGuard&) = delete;

    // False once closed; after a true result the caller must call leave().
    bool enter();
    void leave();
    void close();
    bool isClosed() const;

private:
    void releaseLocked(std::unique_lock<std::mutex>& lock);

    mutable std::mutex m_Mutex;
    std::function<void()> m_Release;
    int m_iUsers = 0;
    bool m_bClosed = false;
    bool m_bReleased = false;
};

// Scoped enter/leave.
class HandleGuardCall
{
public:
    explicit HandleGuardCall(HandleGuard& guard) : m_Guard(guard), m_bEntered(guard.enter()) {}
    ~HandleGuardCall()
    {
        if (m_bEntered)
            m_Guard.leave();
    }
    HandleGuardCall(const HandleGuardCall&) = delete;
    HandleGuardCall& operator=(const HandleGuardCall&) = delete;

    bool entered() const { return m_bEntered; }

private:
    HandleGuard& m_Guard;
    bool m_bEntered;
};
