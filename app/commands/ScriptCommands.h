#pragma once

#include "app/commands/CommandLine.h"
#include "model/ProfileData.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

class MousecfgWidget;

// Carries out a command-line command against the mouse. Alone (no window), it finds and opens
// the mouse itself and closes it again; inside a running window it works on the mouse the
// window has open and shows what changed, so that only one process ever talks to the mouse.
class ScriptCommands
{
    Q_DECLARE_TR_FUNCTIONS(ScriptCommands)
public:
    explicit ScriptCommands(MousecfgWidget* window = nullptr) : m_pWindow(window) {}

    // A CommandLine::ExitCode; `output` gets the lines to print.
    int run(const CommandLine& line, QString* output);

private:
    // The code name of the mouse --device names (or the usual one when it names none); empty,
    // with the reason in `output`, when there is no such mouse.
    QString findMouse(QString* output) const;
    int openMouse(QString* output);
    int list(QString* output);
    int battery(QString* output);
    int get(QString* output);
    int set(QString* output);
    int exportProfile(const QString& file, QString* output);
    // Written and told as the scripted commands do: the guard's refusal, a failed write, or
    // `done`.
    int writeAndTell(const QString& done, QString* output);
    int selectProfile(int iSlot, QString* output);
    int apply(const QString& file, int iSlot, QString* output);
    // Empty when `file` may be written to the mouse, with its settings read into `profile`;
    // otherwise why not: the checks of the window's import, then the write guard.
    static QString checkProfileFile(const QString& file, ProfileData& profile);
    // The write of the window's Apply, without its message box: the result goes to the script,
    // and the guard's reason to `refusal` when it refused the write.
    quint8 write(QString* refusal);
    // One mouse's index (from 1), code name, links and battery.
    QJsonObject describe(int iIndex, const QString& codeName, bool bAskBattery);
    // `text`, or `json` on one line with --json.
    QString print(const QJsonDocument& json, const QString& text) const;

    MousecfgWidget* m_pWindow;
    CommandLine m_Line;
};
