#include "IdleExit.h"

#include "OsdServer.h"

#include <QCoreApplication>
#include <QDebug>

IdleExit::IdleExit(OsdServer* server, int iIdleMs, QObject* parent)
    : QObject(parent), m_pServer(server)
{
    m_Timer.setSingleShot(true);
    m_Timer.setInterval(iIdleMs);
    connect(&m_Timer, &QTimer::timeout, this, &IdleExit::onTimeout);
    const auto restart = [this] { m_Timer.start(); };
    connect(server, &OsdServer::messageReceived, this, restart);
    connect(server, &OsdServer::clientLeft, this, restart);
    m_Timer.start();
}

void IdleExit::onTimeout()
{
    if (m_pServer->clientCount() > 0) {
        m_Timer.start();
        return;
    }
    qDebug("OSD: idle, leaving");
    QCoreApplication::quit();
}
