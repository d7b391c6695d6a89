#include "platform/AutostartEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {
// One argument of an Exec line: quoted when it has anything the desktop would split or expand.
QString execArgument(QString arg)
{
    arg.replace(QLatin1Char('%'), QLatin1String("%%"));
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    if (std::none_of(arg.cbegin(), arg.cend(), [](QChar c) { return reserved.contains(c); }))
        return arg;
    QString quoted;
    for (const QChar c : arg) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    // The entry's own escape rules come on top: a backslash is written twice.
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
} // namespace

AutostartEntry::AutostartEntry(const QString& program)
    : m_Program(program.isEmpty() ? QCoreApplication::applicationFilePath() : program)
{
}

QString AutostartEntry::path()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // A relative value is invalid and is to be ignored.
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart/mousecfg.desktop");
}

bool AutostartEntry::isEnabled() const
{
    return QFileInfo::exists(path());
}

QString AutostartEntry::text() const
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=mousecfg\n"
                          "Comment=Mouse configuration, started in the tray\n"
                          "Exec=%1 --hidden\n"
                          "Icon=mousecfg\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execArgument(m_Program));
}

bool AutostartEntry::setEnabled(bool bEnabled) const
{
    const QString file = path();
    if (!bEnabled)
        return !QFileInfo::exists(file) || QFile::remove(file);
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    out.write(text().toUtf8());
    return out.commit();
}
