#pragma once

#include <QThread>

class PollingControl;

// Makes one slot the mouse's active profile off the interface thread, the way the writer sends
// a configuration: battery polling is kept off the control interface meanwhile, and the busy
// dialog waits for DoProcessDlg(). A mouse that garbles or drops its answers costs the transport
// seconds of retries, which the window must not spend frozen.
class ProfileSelectThread : public QThread
{
    Q_OBJECT
public:
    explicit ProfileSelectThread(int iProfile, PollingControl* polling = nullptr)
        : m_iProfile(iProfile), m_pPolling(polling)
    {
    }

    // Read after DoProcessDlg() (or after the thread finished); 0: the mouse took the slot.
    quint8 result() const { return m_iResult; }

signals:
    void DoProcessDlg();

protected:
    void run() override;

private:
    int m_iProfile;
    PollingControl* m_pPolling;
    quint8 m_iResult = 0;
};
