#include "app/profiles/ProfileActions.h"

#include "app/profiles/ConfigWriter.h"
#include "widgets/UserPrompts.h"

ProfileActions::ProfileActions(QWidget* window, QObject* parent)
    : QObject(parent), m_pWindow(window), m_DeviceSelect([window](int iSlot) {
          return ConfigWriter::selectProfile(window, nullptr, iSlot);
      })
{
}

bool ProfileActions::selectSlot(int iSlot, quint8* pDeviceResult)
{
    return carryOut(m_Manager.selectSlot(iSlot), pDeviceResult);
}

bool ProfileActions::assignProfile(const QString& name)
{
    return carryOut(m_Manager.assignProfile(name));
}

bool ProfileActions::addProfile()
{
    return carryOut(m_Manager.addProfile());
}

bool ProfileActions::copyProfile()
{
    return carryOut(m_Manager.copyProfile());
}

bool ProfileActions::deleteProfile(const QString& fieldText)
{
    // Refusals come before the question, so nobody confirms a deletion that cannot happen.
    if (!carryOut(m_Manager.checkDelete(fieldText)))
        return false;
    if (!UserPrompts::question(m_pWindow, tr(kWarningTitle), tr(kAskDelete)))
        return false;
    return carryOut(m_Manager.deleteProfile(fieldText));
}

bool ProfileActions::renameProfile(const QString& fieldText)
{
    return carryOut(m_Manager.renameProfile(fieldText));
}

bool ProfileActions::resetProfile()
{
    if (!UserPrompts::question(m_pWindow, tr(kWarningTitle), tr(kAskReset)))
        return false;
    return carryOut(m_Manager.resetProfile());
}

bool ProfileActions::resetAll()
{
    if (!UserPrompts::question(m_pWindow, tr(kWarningTitle), tr(kAskResetAll)))
        return false;
    return carryOut(m_Manager.resetAll());
}

bool ProfileActions::exportProfile()
{
    const QString target = UserPrompts::saveFileName(m_pWindow, tr(kSaveProfileCaption), QString(),
                                                     tr(kProfileFilter));
    if (target.isEmpty() || !carryOut(m_Manager.exportProfile(target)))
        return false;
    emit savedTo(target);
    return true;
}

bool ProfileActions::importProfile()
{
    const QString source = UserPrompts::openFileName(m_pWindow, tr(kLoadProfileCaption), QString(),
                                                     tr(kProfileFilter));
    if (source.isEmpty())
        return false;
    return carryOut(m_Manager.importProfile(source));
}

bool ProfileActions::loadConfiguration()
{
    const QString path =
        UserPrompts::openFileName(m_pWindow, tr(kLoadConfigCaption), QString(), tr(kConfigFilter));
    if (path.isEmpty())
        return false;
    return carryOut(m_Manager.loadConfiguration(path));
}

bool ProfileActions::saveConfiguration()
{
    const QString path =
        UserPrompts::saveFileName(m_pWindow, tr(kSaveConfigCaption), QString(), tr(kConfigFilter));
    if (path.isEmpty() || !carryOut(m_Manager.saveConfiguration(path)))
        return false;
    emit savedTo(path);
    return true;
}

bool ProfileActions::carryOut(const ProfileOutcome& outcome, quint8* pDeviceResult)
{
    if (outcome.isRefused()) {
        UserPrompts::notice(m_pWindow, tr(kWarningTitle), tr(outcome.message.toUtf8().constData()));
        return false;
    }
    if (outcome.has(ProfileOutcome::StopBattery))
        emit stopBatteryThread();
    if (outcome.has(ProfileOutcome::Retranslate))
        emit retranslateTexts();
    if (outcome.has(ProfileOutcome::ShowFirstPage))
        emit showFirstPage();
    if (outcome.has(ProfileOutcome::RefreshModelParts))
        emit refreshModelParts();
    if (outcome.has(ProfileOutcome::RefreshPages))
        emit refreshPages();
    if (outcome.has(ProfileOutcome::RefreshPages) && !outcome.has(ProfileOutcome::SelectOnDevice))
        emit recordsReplaced();
    if (outcome.has(ProfileOutcome::RebuildMenu))
        emit rebuildProfileMenu();
    quint8 selected = 0;
    if (outcome.has(ProfileOutcome::SelectOnDevice))
        selected = m_DeviceSelect(m_Manager.currentSlot());
    if (outcome.has(ProfileOutcome::ApplyPointerSpeed))
        emit applyPointerSpeed();
    if (outcome.has(ProfileOutcome::ShowName))
        emit profileNameChanged(outcome.name);
    if (outcome.has(ProfileOutcome::Write))
        emit writeConfiguration(outcome.has(ProfileOutcome::FullWrite));
    // Told last, once the window shows the slot: the slot stays chosen, and choosing it again
    // sends the commands again.
    if (pDeviceResult)
        *pDeviceResult = selected;
    else if (selected != 0)
        UserPrompts::notice(m_pWindow, tr(kWarningTitle), ConfigWriter::failureText());
    return true;
}
