#include "device/ProfileSelectThread.h"

#include "device/DeviceCommands.h"
#include "device/PollingPause.h"

void ProfileSelectThread::run()
{
    PollingPause pause(m_pPolling);
    m_iResult = DeviceCommands::selectProfile(m_iProfile);
    pause.end(m_iResult);
    emit DoProcessDlg();
}
