#pragma once

#include <QString>

// The desktop's autostart entry of the tool (XDG autostart: $XDG_CONFIG_HOME/autostart, or
// ~/.config/autostart): while it exists the desktop starts the tool at login, in the tray.
// There is none until the user asks for one.
class AutostartEntry
{
public:
    // `program`: what the entry starts; empty: this program.
    explicit AutostartEntry(const QString& program = QString());

    static QString path();
    bool isEnabled() const;
    // Writes (whole or not at all) or removes the entry; false when that failed.
    bool setEnabled(bool bEnabled) const;
    // The entry's text.
    QString text() const;

private:
    QString m_Program;
};
