#include "app/window/FirmwareUpdater.h"

#include "device/PollingControl.h"
#include "platform/ProgramLauncher.h"
#include "widgets/UserPrompts.h"

#include <QCoreApplication>

QString FirmwareUpdater::updaterPath(int iLangId)
{
    return ProgramLauncher::inAppFolder(iLangId == 0 ? "/skin/mouse/bin/fwupdate-en.exe"
                                                     : "/skin/mouse/bin/fwupdate.exe");
}

FirmwareUpdater::Outcome FirmwareUpdater::run(QWidget* parent, quint16 iFirmware, int iLangId,
                                              PollingControl* polling, ProgramLauncher& launcher)
{
    const QString title = QCoreApplication::translate("MousecfgWidget", "Warning");
    if (iFirmware == 0) {
        UserPrompts::notice(parent, title,
                            QCoreApplication::translate(
                                "MousecfgWidget",
                                "To update the firmware, please connect to the computer with a "
                                "cable."));
        return NoCable;
    }
    if (!UserPrompts::question(
            parent, title,
            QCoreApplication::translate("MousecfgWidget", "Do you want to upgrade the firmware?")))
        return Declined;
    if (polling)
        polling->stopPolling();
    if (launcher.startDetached(updaterPath(iLangId)))
        return Started;
    UserPrompts::notice(
        parent, title,
        QCoreApplication::translate("MousecfgWidget", "The firmware updater could not be started."),
        QCoreApplication::translate("MousecfgWidget",
                                    "Please check that the tool is installed completely."));
    return StartFailed;
}
