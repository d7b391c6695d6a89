#pragma once

#include <QString>
#include <QThread>

class PollingControl;

// Writes the live configuration to the mouse off the interface thread: saves it, works out what
// changed, sends it, and refreshes the snapshot of what the mouse holds. The busy dialog waits
// for DoProcessDlg().
class KivoProcessThread : public QThread
{
    Q_OBJECT
public:
    static constexpr int kFullMask = 15;
    // The result of a write the guard refused: nothing was saved or sent.
    static constexpr quint8 kRefused = 5;

    explicit KivoProcessThread(PollingControl* polling = nullptr) : m_pPolling(polling) {}

    // Set before start.
    void setFullWrite(bool bFullWrite) { m_bFullWrite = bFullWrite; }
    bool fullWrite() const { return m_bFullWrite; }
    void setStop(bool bStop) { m_bStop = bStop; }
    bool isStop() const { return m_bStop; }

    // Read after DoProcessDlg() (or after the thread finished).
    quint8 result() const { return m_iResult; }
    int changeMask() const { return m_iMask; }
    // Why the write was refused (result kRefused); empty otherwise.
    QString refusal() const { return m_Refusal; }
    // The first of the write's file saves that failed: its file's name and the reason.
    bool saveFailed() const { return !m_SaveFailureReason.isEmpty(); }
    QString saveFailureFile() const { return m_SaveFailureFile; }
    QString saveFailureReason() const { return m_SaveFailureReason; }

signals:
    void DoProcessDlg();

protected:
    void run() override;

private:
    PollingControl* m_pPolling;
    bool m_bFullWrite = false;
    bool m_bStop = false;
    quint8 m_iResult = 0;
    int m_iMask = 0;
    QString m_Refusal;
    QString m_SaveFailureFile;
    QString m_SaveFailureReason;
};
