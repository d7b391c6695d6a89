#include "platform/LinuxMouseSettings.h"

#include "platform/ProgramLauncher.h"

#include <QDebug>
#include <QDir>
#include <QMap>
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

// "GNOME (gnome-control-center), KDE (kcmshell6, …), …", in the order of kCandidates.
QString knownPrograms()
{
    QStringList desktops;
    QMap<QString, QStringList> programs;
    for (const Candidate& candidate : kCandidates) {
        const QString desktop = QString::fromLatin1(candidate.desktop);
        if (!desktops.contains(desktop))
            desktops << desktop;
        programs[desktop] << QString::fromLatin1(candidate.program);
    }
    QStringList parts;
    for (const QString& desktop : desktops)
        parts << QStringLiteral("%1 (%2)").arg(desktop, programs[desktop].join(", "));
    return parts.join(", ");
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
    // The user has to be able to tell what to install or set: the known desktops by name.
    const QString known = knownPrograms();
    if (desktops.isEmpty())
        command.reason =
            QStringLiteral("XDG_CURRENT_DESKTOP names no desktop; known: %1").arg(known);
    else if (missing.isEmpty())
        command.reason = QStringLiteral("no mouse settings known for desktop '%1'; known: %2")
                             .arg(current, known);
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
    if (m_Launcher.startDetached(m_Command.program, m_Command.args))
        return true;
    m_Command.reason = QStringLiteral("%1 could not be started").arg(m_Command.program);
    return false;
}
