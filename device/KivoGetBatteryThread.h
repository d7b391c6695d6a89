#pragma once

#include "device/HidDevice.h"

#include <QThread>

#include <atomic>
#include <memory>

// Asks the mouse for its battery state every 46 rounds and listens for the status reports it
// sends by itself in between. Runs until stopped or until no control interface is open.
class KivoGetBatteryThread : public QThread
{
    Q_OBJECT
public:
    static constexpr int kReportLength = 33;
    static constexpr int kReadTimeoutMs = 50;
    static constexpr unsigned long kRoundPauseMs = 10;
    static constexpr unsigned long kQueryPauseMs = 100;
    static constexpr int kLastListeningRound = 45;
    // The profile argument of a status that carries none; no slot has this number.
    static constexpr quint8 kNoProfile = 0xFF;

    KivoGetBatteryThread() = default;

    void stop() { m_bStop = true; }
    bool isStopRequested() const { return m_bStop; }

    // True when bytes 1..3 are AA FF DD.
    static bool isStatusAnswer(const quint8* data);

signals:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);

protected:
    void run() override;

private:
    void reportStatus(const quint8* data);

    std::atomic<bool> m_bStop{false};
};
