#include "device/KivoProcessThread.h"

#include "device/PollingControl.h"
#include "device/WriteGuard.h"
#include "device/WriteSequence.h"
#include "model/GlobalRecords.h"
#include "model/ProfileFiles.h"
#include "model/ProfileRules.h"

#include <QDebug>

void KivoProcessThread::run()
{
    if (m_bStop) {
        qDebug("isStop.\n");
        return;
    }

    MouseConfig& live = GlobalRecords::live();
    MouseConfig& snapshot = GlobalRecords::snapshot();
    ProfileFiles::takeSaveError(); // only this write's own saves count

    // The mouse keeps what it is sent: a profile that leaves it without a click or with a DPI
    // it cannot take would make it unusable until the next good write.
    m_Refusal = WriteGuard::check(live.activeProfile());
    if (!m_Refusal.isEmpty()) {
        qDebug() << "write refused:" << m_Refusal;
        m_iResult = kRefused;
        // Polling was stopped for a write that never started.
        if (m_pPolling)
            m_pPolling->startPolling();
        emit DoProcessDlg();
        return;
    }

    // The edits reach the disk before any device traffic, so a failed write loses nothing.
    ProfileFiles::saveConfiguration(live);
    m_iResult = 0;

    int mask = ProfileRules::detectChanges(live, snapshot);
    // A previous write that failed left the mouse in an unknown state.
    if (ProfileFiles::readFullWriteFlag() == 1 || m_bFullWrite)
        mask = kFullMask;
    m_iMask = mask;
    // One save before the first report is enough: a second one here would find the files as
    // the save above left them.

    WriteSequence sequence(m_pPolling);
    m_iResult = sequence.run(live, mask);

    snapshot = live;
    ProfileFiles::writeFullWriteFlag(m_iResult != 0 ? 1 : 0);
    const ProfileFiles::SaveError saveError = ProfileFiles::takeSaveError();
    m_SaveFailureFile = saveError.file;
    m_SaveFailureReason = saveError.reason;
    emit DoProcessDlg();
}
