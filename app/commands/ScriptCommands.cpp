#include "app/commands/ScriptCommands.h"

#include "app/commands/SettingsReport.h"
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
#include "model/ProfileManager.h"
#include "platform/PointerSpeed.h"
#include "platform/PointerSpeedFactory.h"
#include "widgets/KivoProcessDialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

int ScriptCommands::run(const CommandLine& line, QString* output)
{
    m_Line = line;
    if (m_pWindow && line.needsMouse()) {
        // Without a mouse the window waits in its chooser: a script is told that no mouse is
        // there, not that the window is busy, which it would take for a passing state.
        if (!DeviceLink::instance().isAnyOpen()) {
            *output = tr("No mouse found.") + "\n";
            return CommandLine::NoMouse;
        }
        // A dialog of the window may be in the middle of its own change.
        if (m_pWindow->isBusy() || QApplication::activeModalWidget()) {
            *output = tr("The window is busy with the mouse; try again in a moment.") + "\n";
            return CommandLine::WriteFailed;
        }
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
    case CommandLine::Get:
        code = get(output);
        break;
    case CommandLine::Set:
        code = set(output);
        break;
    case CommandLine::ExportProfile:
        code = exportProfile(line.file(), output);
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

QString ScriptCommands::findMouse(QString* output) const
{
    const QStringList names = DeviceAccess::deviceNames();
    const QString wanted = m_Line.device();
    QString name;
    bool bIndex = false;
    const int index = wanted.toInt(&bIndex);
    if (wanted.isEmpty()) {
        const QString selected =
            m_pWindow ? m_pWindow->currentDevice() : DeviceAccess::selectedMouseName();
        name = names.contains(selected) ? selected : names.value(0);
    } else if (bIndex) {
        name = names.value(index - 1);
    } else {
        for (const QString& n : names) {
            if (n.compare(wanted, Qt::CaseInsensitive) == 0)
                name = n;
        }
    }
    if (name.isEmpty())
        *output += wanted.isEmpty()
                       ? tr("No mouse found.") + "\n"
                       : tr("No mouse %1 found; --list shows the mice.").arg(wanted) + "\n";
    return name;
}

int ScriptCommands::openMouse(QString* output)
{
    // run() made sure that the window has its mouse open.
    if (m_pWindow && m_Line.device().isEmpty())
        return CommandLine::Done;
    const QString name = findMouse(output);
    if (name.isEmpty())
        return CommandLine::NoMouse;
    if (m_pWindow) {
        if (name == m_pWindow->currentDevice() && DeviceLink::instance().isAnyOpen())
            return CommandLine::Done;
        // One process talks to the mice: the window's own, while it runs.
        *output += tr("The window works on another mouse; choose %1 there, or close the window.")
                       .arg(name) +
                   "\n";
        return CommandLine::WriteFailed;
    }
    DeviceAccess::openByCodeName(name.toLatin1());
    if (DeviceLink::instance().isAnyOpen())
        return CommandLine::Done;
    if (DeviceAccess::permissionDenied()) {
        *output += PermissionNotice::text() + "\n" + PermissionNotice::text2() + "\n";
        return CommandLine::NoPermission;
    }
    *output += tr("No mouse found.") + "\n";
    return CommandLine::NoMouse;
}

QString ScriptCommands::print(const QJsonDocument& json, const QString& text) const
{
    return m_Line.isJson() ? QString::fromUtf8(json.toJson(QJsonDocument::Compact)) + "\n" : text;
}

QJsonObject ScriptCommands::describe(int iIndex, const QString& codeName, bool bAskBattery)
{
    QJsonArray links;
    if (const DeviceSlot* slot = DeviceAccess::findSlot(codeName.toLatin1())) {
        if (slot->receiverControlFound)
            links << "receiver";
        if (slot->cableControlFound)
            links << "cable";
    }
    QJsonObject mouse{{"index", iIndex}, {"name", codeName}, {"links", links}};
    BatteryQuery::Answer answer;
    if (m_pWindow && codeName == m_pWindow->currentDevice() && DeviceLink::instance().isAnyOpen()) {
        // What the window's polling last heard: asking again would cut into its reads.
        const BatteryDisplay* display = m_pWindow->batteryDisplay();
        answer = {!display->isMouseOff(), display->level(), display->isCharging()};
    } else if (bAskBattery) {
        DeviceAccess::openByCodeName(codeName.toLatin1());
        answer = BatteryQuery::ask();
        if (!answer.bAnswered && DeviceAccess::permissionDenied())
            mouse.insert("permission", false);
        DeviceLink::instance().closeAll();
    }
    if (answer.bAnswered) {
        mouse.insert("battery", answer.iLevel);
        mouse.insert("charging", answer.bCharging);
    }
    return mouse;
}

int ScriptCommands::list(QString* output)
{
    const QStringList names = DeviceAccess::deviceNames();
    if (names.isEmpty()) {
        *output += tr("No mouse found.") + "\n";
        return CommandLine::NoMouse;
    }
    QJsonArray mice;
    QString text;
    for (int i = 0; i < names.size(); ++i) {
        const QJsonObject mouse = describe(i + 1, names[i], !m_pWindow);
        mice.append(mouse);
        QStringList links;
        for (const QJsonValue& link : mouse["links"].toArray())
            links << link.toString();
        QString battery =
            mouse.contains("permission") ? QStringLiteral("no-permission") : QStringLiteral("-");
        if (mouse.contains("battery"))
            battery = QStringLiteral("%1%%2")
                          .arg(mouse["battery"].toInt())
                          .arg(mouse["charging"].toBool() ? " charging" : "");
        text +=
            QStringLiteral("%1 %2 %3 %4\n")
                .arg(i + 1)
                .arg(names[i], links.isEmpty() ? QStringLiteral("-") : links.join(','), battery);
    }
    *output += print(QJsonDocument(mice), text);
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
    *output +=
        print(QJsonDocument(QJsonObject{{"level", answer.iLevel}, {"charging", answer.bCharging}}),
              QStringLiteral("%1% %2\n")
                  .arg(answer.iLevel)
                  .arg(answer.bCharging ? "charging" : "not-charging"));
    return CommandLine::Done;
}

int ScriptCommands::get(QString* output)
{
    // The settings are the installation's, there with or without a mouse; a mouse named
    // with --device must be there, though.
    if (!m_Line.device().isEmpty() && findMouse(output).isEmpty())
        return CommandLine::NoMouse;
    const QJsonObject report = SettingsReport::json(GlobalRecords::live());
    *output += print(QJsonDocument(report), SettingsReport::text(report));
    return CommandLine::Done;
}

int ScriptCommands::set(QString* output)
{
    const int opened = openMouse(output);
    if (opened != CommandLine::Done)
        return opened;
    MouseConfig& live = GlobalRecords::live();
    const QString refusal = m_Line.edits().applyTo(live);
    if (!refusal.isEmpty()) {
        *output += refusal + "\n";
        return CommandLine::Usage;
    }
    return writeAndTell(
        tr("Settings written to slot %1.").arg(live.ProfileID % MouseConfig::kProfileCount + 1),
        output);
}

int ScriptCommands::exportProfile(const QString& file, QString* output)
{
    if (!m_Line.device().isEmpty() && findMouse(output).isEmpty())
        return CommandLine::NoMouse;
    const ProfileOutcome outcome = ProfileManager().exportProfile(file);
    if (outcome.isRefused()) {
        *output += QCoreApplication::translate("ProfileActions", qPrintable(outcome.message)) +
                   " " + file + "\n";
        return CommandLine::Usage;
    }
    *output += tr("Profile exported to %1.").arg(file) + "\n";
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
    return writeAndTell(tr("Profile written to slot %1.").arg(slot + 1), output);
}

int ScriptCommands::writeAndTell(const QString& done, QString* output)
{
    QString refusal;
    const quint8 result = write(&refusal);
    if (m_pWindow)
        m_pWindow->refreshPages();
    if (!refusal.isEmpty()) {
        *output += refusal + "\n";
        return CommandLine::Usage;
    }
    if (result != 0) {
        *output += ConfigWriter::failureText() + "\n";
        return CommandLine::WriteFailed;
    }
    *output += done + "\n";
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
