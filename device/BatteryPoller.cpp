#include "device/BatteryPoller.h"

#include "device/KivoGetBatteryThread.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace {
// Threads that have started and not yet finished. Never destroyed, so it outlives every static
// that a late thread could still touch.
struct Registry
{
    std::mutex mutex;
    std::vector<std::shared_ptr<KivoGetBatteryThread>> threads;
    bool exitHookInstalled = false;
};

Registry& registry()
{
    static Registry* r = new Registry;
    return *r;
}

void waitAtExit()
{
    BatteryPoller::waitForThreads();
}

void forget(KivoGetBatteryThread* thread)
{
    std::shared_ptr<KivoGetBatteryThread> last; // released outside the lock
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    auto it = std::find_if(r.threads.begin(), r.threads.end(),
                           [thread](const auto& t) { return t.get() == thread; });
    if (it != r.threads.end()) {
        last = std::move(*it);
        r.threads.erase(it);
    }
}
} // namespace

BatteryPoller::BatteryPoller(QObject* parent) : QObject(parent) {}

BatteryPoller::~BatteryPoller()
{
    stopPolling();
    waitForThreads();
}

int BatteryPoller::startPolling()
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    if (m_pThread)
        return 1;

    auto* raw = new KivoGetBatteryThread;
    // Deleted by the event loop of the poller's thread once nobody refers to it any more.
    std::shared_ptr<KivoGetBatteryThread> thread(raw,
                                                 [](KivoGetBatteryThread* t) { t->deleteLater(); });
    // Created on the writer's thread when a write restarts polling; its deletion belongs to the
    // poller's thread, which runs an event loop.
    if (raw->thread() != this->thread())
        raw->moveToThread(this->thread());
    connect(raw, &KivoGetBatteryThread::RefreshBatteryStatus, this,
            &BatteryPoller::RefreshBatteryStatus);
    connect(raw, &KivoGetBatteryThread::RefreshStatus, this, &BatteryPoller::RefreshStatus);
    connect(
        raw, &QThread::finished, raw, [raw] { forget(raw); }, Qt::DirectConnection);

    {
        Registry& r = registry();
        std::lock_guard<std::mutex> registryLock(r.mutex);
        r.threads.push_back(thread);
        if (!r.exitHookInstalled && QCoreApplication::instance()) {
            qAddPostRoutine(waitAtExit);
            r.exitHookInstalled = true;
        }
    }
    m_pThread = thread;
    raw->start(QThread::InheritPriority);
    return 1;
}

void BatteryPoller::stopPolling()
{
    std::shared_ptr<KivoGetBatteryThread> thread;
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        thread = std::move(m_pThread);
        m_pThread.reset();
    }
    if (!thread)
        return;
    // The flag and the wake event end the thread's sleep at once; a write waits for its end
    // (PollingPause), nobody else needs to.
    thread->stop();
}

bool BatteryPoller::isPolling() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return bool(m_pThread);
}

KivoGetBatteryThread* BatteryPoller::currentThread() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_pThread.get();
}

int BatteryPoller::runningThreadCount()
{
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    return int(r.threads.size());
}

void BatteryPoller::waitUntilStopped(unsigned long milliseconds)
{
    waitForThreads(milliseconds);
}

bool BatteryPoller::waitForThreads(unsigned long milliseconds)
{
    std::vector<std::shared_ptr<KivoGetBatteryThread>> threads;
    {
        Registry& r = registry();
        std::lock_guard<std::mutex> lock(r.mutex);
        threads = r.threads;
    }
    bool allEnded = true;
    for (const auto& thread : threads) {
        thread->stop();
        allEnded = thread->wait(milliseconds) && allEnded;
    }
    return allEnded;
}
