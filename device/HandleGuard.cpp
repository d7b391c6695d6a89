#include "device/HandleGuard.h"

HandleGuard::HandleGuard(std::function<void()> release) : m_Release(std::move(release)) {}

HandleGuard::~HandleGuard()
{
    // Nobody can be inside a call any more: callers hold the owning object alive.
    std::unique_lock<std::mutex> lock(m_Mutex);
    m_bClosed = true;
    releaseLocked(lock);
}

bool HandleGuard::enter()
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    if (m_bClosed)
        return false;
    ++m_iUsers;
    return true;
}

void HandleGuard::leave()
{
    std::unique_lock<std::mutex> lock(m_Mutex);
    if (m_iUsers > 0)
        --m_iUsers;
    if (m_bClosed && m_iUsers == 0)
        releaseLocked(lock);
}

void HandleGuard::close()
{
    std::unique_lock<std::mutex> lock(m_Mutex);
    m_bClosed = true;
    if (m_iUsers == 0)
        releaseLocked(lock);
}

bool HandleGuard::isClosed() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_bClosed;
}

void HandleGuard::releaseLocked(std::unique_lock<std::mutex>& lock)
{
    if (m_bReleased)
        return;
    m_bReleased = true;
    std::function<void()> release = std::move(m_Release);
    // The native close may take a while; nobody can enter any more, so run it unlocked.
    lock.unlock();
    if (release)
        release();
    lock.lock();
}
