#pragma once

#include "device/HidDevice.h"
#include "device/WakeEvent.h"

#include <QThread>

#include <atomic>
#include <memory>

// Asks the mouse for its battery state every kQueryIntervalMs and, in between, sleeps until the
// mouse sends a status report by itself. Runs until stopped or until no control interface is
// open. stop() wakes the thread at once, wherever it sleeps, so that waiting for it to end takes
// no longer than the call it is in.
class KivoGetBatteryThread : public QThread
{
    Q_OBJECT
public:
    static constexpr int kReportLength = 33;
    // The cadence of the battery question: 45 listening rounds of 60 ms and one query round of
    // 210 ms, as the mouse has always been asked.
    static constexpr int kQueryIntervalMs = 2910;
    // How long a broken interface is left alone before the handles are looked at again.
    static constexpr int kRetryPauseMs = 500;
    // The profile argument of a status that carries none; no slot has this number.
    static constexpr quint8 kNoProfile = 0xFF;

    KivoGetBatteryThread() = default;

    void stop()
    {
        m_bStop = true;
        m_Wake.raise();
    }

    // True when bytes 1..3 are AA FF DD.
    static bool isStatusAnswer(const quint8* data);

signals:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);

protected:
    void run() override;

private:
    // bOwnReport: sent by the mouse unasked, not the answer to a query.
    void reportStatus(const quint8* data, bool bOwnReport);

    std::atomic<bool> m_bStop{false};
    WakeEvent m_Wake;
    // What was last passed on, -1 for nothing yet; each run starts afresh, so the first answer
    // after a start (every write restarts the thread) always reaches the window.
    int m_iLastBattery = -1;
    int m_iLastStatus = -1;
};
