#include "app/window/WindowCommands.h"

#include "app/selection/DeviceSelection.h"
#include "app/window/ConfirmationNote.h"
#include "app/window/FirmwareUpdater.h"
#include "app/window/WindowPages.h"
#include "app/window/WindowServices.h"
#include "device/BatteryPoller.h"
#include "device/DeviceAccess.h"
#include "device/DeviceLink.h"
#include "model/AppSettings.h"
#include "model/DeviceDescription.h"
#include "model/GlobalRecords.h"
#include "model/ProfileFiles.h"
#include "pages/DpiTabPages.h"
#include "widgets/UserPrompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

WindowCommands::WindowCommands(QWidget* window, DeviceSelection* selection, BatteryPoller* poller,
                               WindowPages* pages, const WindowServices& services)
    : QObject(window), m_pWindow(window), m_pSelection(selection), m_pPoller(poller),
      m_pPages(pages), m_Services(services),
      m_pNote(new ConfirmationNote(window, AppSettings::accentColor(AppSettings::accentColorId())))
{
    m_pNote->layout(UserPrompts::scale());
}

ConfigWriter::Outcome WindowCommands::write(bool bFullWrite)
{
    m_pSelection->holdDeviceChanges(true);
    m_LastWrite = ConfigWriter::write(m_pWindow, m_pPoller, bFullWrite);
    m_pSelection->holdDeviceChanges(false);
    if (m_LastWrite.refusal.isEmpty())
        emit written();
    return m_LastWrite;
}

quint8 WindowCommands::selectSlot(int iSlot)
{
    // A slot switch talks to the mouse as a write does, and may take as long to fail.
    m_pSelection->holdDeviceChanges(true);
    const quint8 result = ConfigWriter::selectProfile(m_pWindow, m_pPoller, iSlot);
    m_pSelection->holdDeviceChanges(false);
    return result;
}

void WindowCommands::takePageValues()
{
    // Built here if it never was: the values it would send are the ones it would show.
    m_pPages->dpiTab()->takeValues(GlobalRecords::live());
}

bool WindowCommands::onApply()
{
    takePageValues();
    m_pPoller->stopPolling();
    // The busy indicator may pass too quickly to be seen: the user is told it worked.
    const ConfigWriter::Outcome outcome = write();
    if (outcome.bAccepted && outcome.iResult == 0 && outcome.refusal.isEmpty() &&
        !outcome.bSaveFailed)
        m_pNote->say(tr("Settings applied"));
    return outcome.refusal.isEmpty();
}

void WindowCommands::onSaved(const QString& path)
{
    m_pNote->say(tr("Saved to %1").arg(QDir::toNativeSeparators(path)));
}

void WindowCommands::onOk()
{
    // OK sends what the pages show, as Apply does; without this it would drop unapplied edits.
    takePageValues();
    // A refused write leaves the window up, so that the user can mend what was refused.
    if (write().refusal.isEmpty())
        hideToTray();
}

void WindowCommands::onCancel()
{
    hideToTray();
    MouseConfig& live = GlobalRecords::live();
    const int slot = live.ProfileID % MouseConfig::kProfileCount;
    ProfileFiles::loadProfileByName(live.Profile[slot], live.ProfileNames[slot]);
    emit profileReloaded();
}

void WindowCommands::onClose()
{
    if (m_LeaveCheck && !m_LeaveCheck())
        return;
    // Hidden without a tray, the program would live on out of every reach: it ends instead.
    if (DeviceDescription::closeWindow() == 0 && m_Services.hasTray())
        hideToTray();
    else
        QCoreApplication::quit();
}

void WindowCommands::hideToTray()
{
    // Without a tray there would be no way back to a hidden window.
    if (m_Services.hasTray())
        m_pWindow->hide();
    else
        m_pWindow->showMinimized();
}

void WindowCommands::onFirmwareUpdate()
{
    const FirmwareUpdater::Outcome outcome =
        FirmwareUpdater::run(m_pWindow, DeviceAccess::firmwareNumber(), AppSettings::langId(),
                             m_pPoller, m_Services.launcher());
    if (outcome == FirmwareUpdater::Started)
        QCoreApplication::exit(0);
    else if (outcome == FirmwareUpdater::StartFailed && DeviceLink::instance().isAnyOpen())
        m_pPoller->startPolling();
}
