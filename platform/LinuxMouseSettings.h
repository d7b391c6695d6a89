#pragma once

#include "platform/DesktopMouseSettings.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class ProgramLauncher;

// The mouse settings of the running Linux desktop: GNOME's control centre, Plasma's mouse
// module, Xfce's mouse settings. The desktop comes from XDG_CURRENT_DESKTOP and its program must
// be on PATH.
class LinuxMouseSettings : public DesktopMouseSettings
{
public:
    struct Command
    {
        QString program; // full path; empty when there is none
        QStringList args;
        QString reason; // why there is none
    };

    LinuxMouseSettings(ProgramLauncher& launcher, const QProcessEnvironment& env);

    static Command choose(const QProcessEnvironment& env);
    const Command& command() const { return m_Command; }

    bool open() override;
    QString reason() const override { return m_Command.reason; }

private:
    ProgramLauncher& m_Launcher;
    Command m_Command;
};
