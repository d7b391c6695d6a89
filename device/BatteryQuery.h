#pragma once

#include <QtGlobal>

// One battery question to the open mouse, answered at once, for callers that do not poll (the
// command line). Battery polling must be stopped meanwhile: it reads the same interface.
class BatteryQuery
{
public:
    static constexpr int kAttempts = 3;
    static constexpr int kReadsPerAttempt = 8;
    static constexpr unsigned long kAnswerPauseMs = 100; // the mouse's time to answer
    static constexpr int kReadTimeoutMs = 50;

    struct Answer
    {
        bool bAnswered = false;
        int iLevel = 0; // percent, 0..100
        bool bCharging = false;
    };

    // Asks on the cable's control interface when open, else the receiver's.
    static Answer ask();
    // The level and charging flag of an answer's battery bytes: the low byte is the level, bit
    // 0 of the high byte the charging flag.
    static Answer fromBytes(quint8 iLowByte, quint8 iHiByte);
};
