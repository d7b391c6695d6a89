#pragma once

#include <QtGlobal>

// Sends one 33-byte command to the mouse's control interface (cable first, else receiver), waits
// for the echo and retries within fixed budgets. Blocking; keep one command sequence on one thread.
class CommandTransport
{
public:
    enum Result : quint8
    {
        Success = 0,
        NoDevice = 1,
        RetriesExhausted = 2,
        WriteError = 4,
    };

    static constexpr int kFrameLength = 33;
    static constexpr int kBufferSize = 64;

    static quint8 sendCommand(const quint8* command, int length);

    // The pauses go through here; tests install a recorder instead of sleeping. nullptr restores
    // QThread::msleep.
    using SleepFunction = void (*)(unsigned long milliseconds);
    static void setSleepFunction(SleepFunction sleep);
};
