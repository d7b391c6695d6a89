#include "app/commands/InstanceRequests.h"

#include "app/commands/CommandLine.h"
#include "app/commands/ScriptCommands.h"
#include "app/window/MousecfgWidget.h"
#include "widgets/WindowActivation.h"

#include <QApplication>
#include <QDebug>

InstanceRequests::InstanceRequests(MousecfgWidget* window) : QObject(window), m_pWindow(window) {}

int InstanceRequests::handle(const QStringList& args, QString* output)
{
    if (args.isEmpty() || args == QStringList{raiseRequest()}) {
        raiseWindow();
        return 0;
    }
    const CommandLine line = CommandLine::parse(args);
    switch (line.command()) {
    case CommandLine::List:
    case CommandLine::Battery:
    case CommandLine::Get:
    case CommandLine::Set:
    case CommandLine::ExportProfile:
    case CommandLine::SelectProfile:
    case CommandLine::Apply:
        break;
    default:
        *output = QStringLiteral("unknown request: %1\n").arg(args.join(' '));
        return CommandLine::Usage;
    }
    qDebug("command from a second start: %s", qPrintable(args.join(' ')));
    return ScriptCommands(m_pWindow).run(line, output);
}

void InstanceRequests::raiseWindow()
{
    qDebug("raise request from a second start");
    if (m_pWindow->isBusy()) {
        // A selection is under way and shows the window when it ends; what stands on screen
        // now (the device chooser) comes to the front.
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top->isWindow() && !top->inherits("QMenu")) {
                WindowActivation::activate(top);
            }
        }
        return;
    }
    if (m_pWindow->isHidden()) {
        // The way back from the tray: the selection opens the mouse and shows the window.
        m_pWindow->selectDevice(false);
        return;
    }
    m_pWindow->showNormal();
    WindowActivation::activate(m_pWindow);
}
