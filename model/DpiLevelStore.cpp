#include "model/DpiLevelStore.h"

#include "model/ProfileFiles.h"

#include <QDebug>
#include <QMap>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {
struct Queue
{
    std::mutex mutex;
    std::condition_variable idle;
    QMap<QString, int> pending; // path -> level, the last one asked for
    bool bBusy = false;         // a worker is saving or about to
    std::thread worker;
};

Queue& queue()
{
    // Never destroyed: a worker may still be leaving while the program's statics go.
    static Queue* q = new Queue;
    return *q;
}

thread_local bool tl_bWorker = false;

void work()
{
    tl_bWorker = true;
    Queue& q = queue();
    std::unique_lock<std::mutex> lock(q.mutex);
    while (!q.pending.isEmpty()) {
        const QString path = q.pending.firstKey();
        const int level = q.pending.take(path);
        lock.unlock();
        if (!ProfileFiles::storeDpiLevel(path, level))
            qDebug() << "could not store the DPI level in" << path;
        lock.lock();
    }
    q.bBusy = false;
    q.idle.notify_all();
}
} // namespace

void DpiLevelStore::store(const QString& path, int level)
{
    Queue& q = queue();
    std::lock_guard<std::mutex> lock(q.mutex);
    q.pending.insert(path, level);
    if (q.bBusy)
        return; // the running worker takes it before it leaves
    if (q.worker.joinable())
        q.worker.join(); // it has left: bBusy is cleared as its last act
    q.bBusy = true;
    q.worker = std::thread(work);
}

void DpiLevelStore::drain()
{
    if (tl_bWorker)
        return; // the worker's own save
    Queue& q = queue();
    std::unique_lock<std::mutex> lock(q.mutex);
    q.idle.wait(lock, [&q] { return !q.bBusy; });
    if (q.worker.joinable())
        q.worker.join();
}
