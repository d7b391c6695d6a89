#pragma once

#include "device/PollingControl.h"

#include <QObject>

#include <memory>
#include <mutex>

class KivoGetBatteryThread;

// Keeps at most one battery thread and passes its reports on as its own signals, so the window
// connects once however often polling restarts. Start and stop may come from any thread (the
// writer stops and restarts polling from its worker thread).
//
// A stopped thread is not waited for: it ends at its next look at the stop flag and is then
// deleted on the poller's thread. Until it has ended it stays registered, and waitForThreads()
// (called by the destructor and once more when the application object goes away) stops and
// waits for every registered thread, so no thread outlives the handles or the program.
class BatteryPoller : public QObject, public PollingControl
{
    Q_OBJECT
public:
    explicit BatteryPoller(QObject* parent = nullptr);
    ~BatteryPoller() override;

    // Starts a thread unless one is kept already. Returns 1.
    int startPolling() override;
    // Asks the kept thread to stop and forgets it.
    void stopPolling() override;
    void waitUntilStopped(unsigned long milliseconds) override;
    bool isPolling() const;
    // The kept thread, or nullptr; valid while it is kept.
    KivoGetBatteryThread* currentThread() const;

    // Battery threads that have been started and have not finished yet.
    static int runningThreadCount();
    // Stops every battery thread and waits up to `milliseconds` for each; true when none is left.
    static bool waitForThreads(unsigned long milliseconds = 5000);

signals:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);

private:
    mutable std::mutex m_Mutex;
    std::shared_ptr<KivoGetBatteryThread> m_pThread;
};
