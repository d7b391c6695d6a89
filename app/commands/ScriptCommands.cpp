#include "app/commands/ScriptCommands.h"

#include "app/profiles/ConfigWriter.h"
#include "app/profiles/ProfileActions.h"
#include "app/status/BatteryDisplay.h"
#include "app/status/PermissionNotice.h"
#include "app/window/MousecfgWidget.h"
#include "device/BatteryPoller.h"
#include "device/BatteryQuery.h"
#include "device/DeviceAccess.h"
#include "device/DeviceCommands.h"
#include "device/DeviceLink.h"
#include "device/KivoProcessThread.h"
#include "device/WriteGuard.h"
#include "model/GlobalRecords.h"
#include "model/ProfileFiles.h"
#include "platform/PointerSpeed.h"
#include "platform/PointerSpeedFactory.h"
#include "widgets/KivoProcessDialog.h"

#include <QFileInfo>

int ScriptCommands::run(const CommandLine& line, QString* output)
{
    if (m_pWindow && m_pWindow->isBusy()) {
        *output = tr("The window is busy with the mouse; try again in a moment.") + "\n";
        return CommandLine::WriteFailed;
    }
    if (!m_pWindow) {
        DeviceAccess::initSlotTable();
        DeviceAccess::enumerate();
        MouseConfig& snapshot = GlobalRecords::snapshot();
        ProfileFiles::loadConfiguration(snapshot);
        GlobalRecords::live() = snapshot;
    }
    int code = CommandLine::Usage;
    switch (line.command()) {
    case CommandLine::List:
        code = list(output);
        break;
    case CommandLine::Battery:
        code = battery(output);
        break;
    case CommandLine::SelectProfile:
        code = selectProfile(line.slot(), output);
        break;
    case CommandLine::Apply:
        code = apply(line.file(), line.slot(), output);
        break;
    default:
        break;
    }
    if (!m_pWindow)
        DeviceLink::instance().closeAll();
    return code;
}

int ScriptCommands::openMouse(QString* output)
{
    if (m_pWindow) {
        if (DeviceLink::instance().isAnyOpen())
            return CommandLine::Done;
        *output += tr("No mouse found.") + "\n";
        return CommandLine::NoMouse;
    }
    const QStringList names = DeviceAccess::deviceNames();
    if (names.isEmpty()) {
        *output += tr("No mouse found.") + "\n";
        return CommandLine::NoMouse;
    }
    const QString selected = DeviceAccess::selectedMouseName();
    DeviceAccess::openByCodeName((names.contains(selected) ? selected : names.first()).toLatin1());
    if (DeviceLink::instance().isAnyOpen())
        return CommandLine::Done;
    if (DeviceAccess::permissionDenied()) {
        *output += PermissionNotice::text() + "\n" + PermissionNotice::text2() + "\n";
        return CommandLine::NoPermission;
    }
    *output += tr("No mouse found.") + "\n";
    return CommandLine::NoMouse;
}

QString ScriptCommands::describe(const QString& codeName, bool bAskBattery)
{
    QStringList links;
    if (const DeviceSlot* slot = DeviceAccess::findSlot(codeName.toLatin1())) {
        if (slot->receiverControlFound)
            links << "receiver";
        if (slot->cableControlFound)
            links << "cable";
    }
    QString battery = QStringLiteral("-");
    if (m_pWindow && codeName == m_pWindow->currentDevice() && DeviceLink::instance().isAnyOpen()) {
        // What the window's polling last heard: asking again would cut into its reads.
        const BatteryDisplay* display = m_pWindow->batteryDisplay();
        if (!display->isMouseOff())
            battery = QStringLiteral("%1%%2")
                          .arg(display->level())
                          .arg(display->isCharging() ? " charging" : "");
    } else if (bAskBattery) {
        DeviceAccess::openByCodeName(codeName.toLatin1());
        const BatteryQuery::Answer answer = BatteryQuery::ask();
        if (answer.bAnswered)
            battery =
                QStringLiteral("%1%%2").arg(answer.iLevel).arg(answer.bCharging ? " charging" : "");
        else if (DeviceAccess::permissionDenied())
            battery = QStringLiteral("no-permission");
        DeviceLink::instance().closeAll();
    }
    return QStringLiteral("%1 %2 %3\n")
        .arg(codeName, links.isEmpty() ? QStringLiteral("-") : links.join(','), battery);
}

int ScriptCommands::list(QString* output)
{
    const QStringList names = DeviceAccess::deviceNames();
    for (const QString& name : names)
        *output += describe(name, !m_pWindow);
    if (names.isEmpty()) {
        *output += tr("No mouse found.") + "\n";
        return CommandLine::NoMouse;
    }
    return CommandLine::Done;
}

int ScriptCommands::battery(QString* output)
{
    const int opened = openMouse(output);
    if (opened != CommandLine::Done)
        return opened;
    BatteryQuery::Answer answer;
    if (m_pWindow) {
        const BatteryDisplay* display = m_pWindow->batteryDisplay();
        answer.bAnswered = !display->isMouseOff();
        answer.iLevel = display->level();
        answer.bCharging = display->isCharging();
    } else {
        answer = BatteryQuery::ask();
    }
    if (!answer.bAnswered) {
        // The receiver is there, the mouse itself is off or out of reach.
        *output += tr("The mouse does not answer.") + "\n";
        return CommandLine::NoMouse;
    }
    *output += QStringLiteral("%1% %2\n")
                   .arg(answer.iLevel)
                   .arg(answer.bCharging ? "charging" : "not-charging");
    return CommandLine::Done;
}

int ScriptCommands::selectProfile(int iSlot, QString* output)
{
    const int opened = openMouse(output);
    if (opened != CommandLine::Done)
        return opened;
    quint8 result = 0;
    if (m_pWindow) {
        // The window's own profile switch: stores the slot, tells the mouse, refreshes. Its
        // result comes back here rather than to a message box.
        m_pWindow->profileActions()->selectSlot(iSlot, &result);
    } else {
        GlobalRecords::live().ProfileID = static_cast<quint8>(iSlot);
        ProfileFiles::saveActiveSlot(iSlot);
        result = DeviceCommands::selectProfile(iSlot);
        // The desktop's pointer speed follows the profile, as after a switch in the window.
        PointerSpeedFactory::create()->apply(GlobalRecords::live().activeProfile().mousespeed);
    }
    if (result != 0) {
        *output += ConfigWriter::failureText() + "\n";
        return CommandLine::WriteFailed;
    }
    *output += tr("Profile %1 selected.").arg(iSlot + 1) + "\n";
    return CommandLine::Done;
}

QString ScriptCommands::checkProfileFile(const QString& file, ProfileData& profile)
{
    QString missingKey;
    switch (ProfileFiles::checkForeignProfile(file, &missingKey)) {
    case ProfileFiles::ImportResult::Imported:
        break;
    case ProfileFiles::ImportResult::Mismatch:
        return tr("The profile file %1 is not for this mouse.").arg(file);
    case ProfileFiles::ImportResult::Incomplete:
        return tr("The profile file %1 lacks the key %2.").arg(file, missingKey);
    default:
        return tr("Cannot read the profile file %1.").arg(file);
    }
    if (!ProfileFiles::loadProfile(profile, file))
        return tr("Cannot read the profile file %1.").arg(file);
    return WriteGuard::check(profile);
}

int ScriptCommands::apply(const QString& file, int iSlot, QString* output)
{
    // Checked whole before anything is touched: a file that fails leaves the slot's file and
    // the mouse as they were.
    ProfileData profile;
    const QString refusal = checkProfileFile(file, profile);
    if (!refusal.isEmpty()) {
        *output += refusal + "\n";
        return CommandLine::Usage;
    }
    const int opened = openMouse(output);
    if (opened != CommandLine::Done)
        return opened;
    MouseConfig& live = GlobalRecords::live();
    const int slot = iSlot >= 0 ? iSlot : live.ProfileID % MouseConfig::kProfileCount;
    // The slot keeps its name and file; the file given only brings the settings. They are
    // saved before anything is sent, as a write keeps the user's edits whatever happens.
    profile.ProfileName = live.Profile[slot].ProfileName;
    profile.ProfilePath = live.Profile[slot].ProfilePath;
    live.Profile[slot] = profile;
    if (!live.ProfileNames[slot].isEmpty())
        ProfileFiles::saveProfileByName(profile, live.ProfileNames[slot]);
    QString writeRefusal;
    const quint8 result = write(&writeRefusal);
    if (m_pWindow)
        m_pWindow->refreshPages();
    if (!writeRefusal.isEmpty()) {
        *output += writeRefusal + "\n";
        return CommandLine::Usage;
    }
    if (result != 0) {
        *output += ConfigWriter::failureText() + "\n";
        return CommandLine::WriteFailed;
    }
    *output += tr("Profile written to slot %1.").arg(slot + 1) + "\n";
    return CommandLine::Done;
}

quint8 ScriptCommands::write(QString* refusal)
{
    if (!m_pWindow) {
        KivoProcessThread thread;
        thread.start(QThread::InheritPriority);
        thread.wait();
        *refusal = thread.refusal();
        return thread.result();
    }
    // The busy dialog keeps the user from editing while the writer runs, as on Apply.
    KivoProcessDialog dialog(m_pWindow);
    KivoProcessThread thread(m_pWindow->batteryPoller());
    QObject::connect(&thread, &KivoProcessThread::DoProcessDlg, &dialog,
                     &KivoProcessDialog::slotProcessDlg, Qt::QueuedConnection);
    thread.start(QThread::InheritPriority);
    dialog.exec();
    thread.wait();
    *refusal = thread.refusal();
    return thread.result();
}
