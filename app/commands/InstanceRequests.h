#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class MousecfgWidget;

// What a running window does for a later start of the same product: raise itself, or carry
// out a command-line request so that one process alone talks to the mouse.
class InstanceRequests : public QObject
{
    Q_OBJECT
public:
    static QString raiseRequest() { return QStringLiteral("--raise"); }

    explicit InstanceRequests(MousecfgWidget* window);

    // The exit code for the asking process; `output` what it prints.
    int handle(const QStringList& args, QString* output);

private:
    void raiseWindow();

    MousecfgWidget* m_pWindow;
};
