#pragma once

#include <QObject>
#include <QTimer>

class OsdServer;

// Ends the OSD once it has been of no use for a while: no tool is connected and none has sent
// anything for the whole interval. A tool that starts later starts the OSD again.
class IdleExit : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDefaultIdleMs = 60000;

    IdleExit(OsdServer* server, int iIdleMs, QObject* parent = nullptr);

private:
    void onTimeout();

    OsdServer* m_pServer;
    QTimer m_Timer;
};
