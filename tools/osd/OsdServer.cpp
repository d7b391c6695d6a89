#include "OsdServer.h"

#include <QLocalSocket>

OsdServer::OsdServer(QObject* parent) : QObject(parent)
{
    m_Server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_Server, &QLocalServer::newConnection, this, &OsdServer::onNewConnection);
}

bool OsdServer::listen(const QString& address)
{
    // With access options set, Qt puts the new socket in place of an old file by itself; the
    // removal below covers the plain case.
    if (m_Server.listen(address))
        return true;
    if (m_Server.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalServer::removeServer(address);
    return m_Server.listen(address);
}

void OsdServer::onNewConnection()
{
    while (QLocalSocket* socket = m_Server.nextPendingConnection()) {
        m_Pending.insert(socket, QByteArray());
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            m_Pending.remove(socket);
            socket->deleteLater();
            emit clientLeft();
        });
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

void OsdServer::onReadyRead(QLocalSocket* socket)
{
    QByteArray& pending = m_Pending[socket];
    pending += socket->readAll();
    int offset = 0;
    while (pending.size() - offset >= OsdMessage::kBlockSize) {
        OsdMessage message;
        if (OsdMessage::fromBlock(pending.mid(offset, OsdMessage::kBlockSize), &message))
            emit messageReceived(message);
        offset += OsdMessage::kBlockSize;
    }
    pending.remove(0, offset);
}
