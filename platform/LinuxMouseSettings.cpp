#include "platform/LinuxMouseSettings.h"

#include "platform/ProgramLauncher.h"

#include <QDebug>
#include <QDir>
#include <QStandardPaths>

namespace {
struct Candidate
{
    const char* desktop; // as named in XDG_CURRENT_DESKTOP, compared without case
    const char* program;
    QStringList args;
};

// In order of preference; a desktop may have several.
const Candidate kCandidates[] = {
    {"GNOME", "gnome-control-center", {"mouse"}}, {"KDE", "kcmshell6", {"kcm_mouse"}},
    {"KDE", "kcmshell5", {"kcm_mouse"}},          {"KDE", "systemsettings", {"kcm_mouse"}},
    {"XFCE", "xfce4-mouse-settings", {}},
};

bool names(const QString& entry, const char* desktop)
{
    const QString d = QString::fromLatin1(desktop);
    // "ubuntu:GNOME", "Budgie:GNOME", "X-Cinnamon" and the like name their base after a colon;
    // some name it as a suffix ("zorin-GNOME").
    return entry.compare(d, Qt::CaseInsensitive) == 0 ||
           entry.endsWith("-" + d, Qt::CaseInsensitive);
}
} // namespace

LinuxMouseSettings::LinuxMouseSettings(ProgramLauncher& launcher, const QProcessEnvironment& env)
    : m_Launcher(launcher), m_Command(choose(env))
{
}

LinuxMouseSettings::Command LinuxMouseSettings::choose(const QProcessEnvironment& env)
{
    Command command;
    const QString current = env.value("XDG_CURRENT_DESKTOP");
    const QStringList desktops = current.split(':', Qt::SkipEmptyParts);
    const QStringList path = env.value("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    QStringList missing;
    for (const QString& desktop : desktops) {
        for (const Candidate& candidate : kCandidates) {
            if (!names(desktop, candidate.desktop))
                continue;
            const QString found =
                path.isEmpty()
                    ? QString()
                    : QStandardPaths::findExecutable(QString::fromLatin1(candidate.program), path);
            if (!found.isEmpty()) {
                command.program = found;
                command.args = candidate.args;
                return command;
            }
            missing << QString::fromLatin1(candidate.program);
        }
    }
    if (desktops.isEmpty())
        command.reason = QStringLiteral("no desktop named in XDG_CURRENT_DESKTOP");
    else if (missing.isEmpty())
        command.reason = QStringLiteral("no mouse settings known for desktop '%1'").arg(current);
    else
        command.reason = QStringLiteral("not found on PATH: %1").arg(missing.join(", "));
    return command;
}

bool LinuxMouseSettings::open()
{
    if (m_Command.program.isEmpty()) {
        qDebug().noquote() << "mouse settings: none to open," << m_Command.reason;
        return false;
    }
    return m_Launcher.startDetached(m_Command.program, m_Command.args);
}
