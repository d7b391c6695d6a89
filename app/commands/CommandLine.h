#pragma once

#include "app/commands/SettingEdits.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the program was asked to do on its command line. Without a command it opens its window;
// a command drives the mouse from a script and prints its result instead.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
public:
    enum Command
    {
        OpenWindow,
        List,
        SelectProfile,
        Apply,
        Battery,
        Get,           // the current slot's settings
        Set,           // edits() written to the mouse
        ExportProfile, // the current slot's profile to file()
        Help,          // text() is the help, exit 0
        Version,       // text() is the version, exit 0
        Invalid        // text() is one line naming what is wrong, exit 1
    };

    // Exit codes of a command.
    enum ExitCode
    {
        Done = 0,
        Usage = 1,
        NoMouse = 2,
        NoPermission = 3,
        WriteFailed = 4
    };

    // The table of exit codes that ends the help.
    static QString exitCodeText();

    // `args` without the program name.
    static CommandLine parse(const QStringList& args);

    Command command() const { return m_Command; }
    bool isVerbose() const { return m_bVerbose; }
    bool isJson() const { return m_bJson; }
    // The window starts in the tray (--hidden).
    bool startsHidden() const { return m_bHidden; }
    // A command that reaches the mouse itself, which a window without one cannot carry out.
    bool needsMouse() const;
    // The mouse of --device: a name of --list or its index there; empty for the usual one.
    QString device() const { return m_Device; }
    const SettingEdits& edits() const { return m_Edits; }
    // Profile slot 0..4 (--select-profile N, --slot N take 1..5); -1: the active one.
    int slot() const { return m_iSlot; }
    QString file() const { return m_File; }
    QString text() const { return m_Text; }
    // The command again as arguments, for a running instance to carry out.
    QStringList arguments() const { return m_Arguments; }

private:
    Command m_Command = OpenWindow;
    bool m_bVerbose = false;
    bool m_bJson = false;
    bool m_bHidden = false;
    QString m_Device;
    SettingEdits m_Edits;
    int m_iSlot = -1;
    QString m_File;
    QString m_Text;
    QStringList m_Arguments;
};
