#include "platform/MonotonicClock.h"

#include <QElapsedTimer>

qint64 MonotonicClock::nowMs()
{
    // Started on first use; a function-local static is initialised once even across threads.
    static const QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}
