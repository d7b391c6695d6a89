#pragma once

#include "platform/OsdMessage.h"

#include <QHash>
#include <QLocalServer>
#include <QObject>

class QLocalSocket;

// The OSD's end of the local socket: cuts what each client sends into 1044-byte blocks and
// hands every block on as one message.
class OsdServer : public QObject
{
    Q_OBJECT

public:
    explicit OsdServer(QObject* parent = nullptr);

    // Call only while holding the OSD's single-instance lock: a socket file left at `address`
    // can then only be the remains of a crashed OSD and is replaced.
    bool listen(const QString& address);
    QString errorString() const { return m_Server.errorString(); }
    // Tools connected now: each running tool keeps its connection open.
    int clientCount() const { return m_Pending.size(); }

signals:
    void messageReceived(const OsdMessage& message);
    void clientLeft();

private slots:
    void onNewConnection();

private:
    void onReadyRead(QLocalSocket* socket);

    QLocalServer m_Server;
    QHash<QLocalSocket*, QByteArray> m_Pending;
};
