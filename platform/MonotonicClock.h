#pragma once

#include <QtGlobal>

// Milliseconds on one monotonic clock for the whole process, so that key strokes from any hook
// can be subtracted from each other. Never runs backwards.
class MonotonicClock
{
public:
    static qint64 nowMs();
};
