#include "platform/InstanceChannel.h"

#include "platform/InstanceRequestReader.h"
#include "platform/RuntimeDir.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDebug>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

#include <memory>

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent)
{
    m_Server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_Server, &QLocalServer::newConnection, this, &InstanceChannel::onNewConnection);
}

QString InstanceChannel::address(const QString& name)
{
    const QString dir = RuntimeDir::path();
    if (dir.isEmpty())
        return QString();
    return dir + "/" + RuntimeDir::fileNameFor(name, ".sock");
}

bool InstanceChannel::listen(const QString& name)
{
    const QString path = address(name);
    if (path.isEmpty())
        return false;
    if (m_Server.listen(path))
        return true;
    QLocalServer::removeServer(path);
    return m_Server.listen(path);
}

void InstanceChannel::onNewConnection()
{
    while (QLocalSocket* socket = m_Server.nextPendingConnection()) {
        auto reader = std::make_shared<InstanceRequestReader>();
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this,
                [this, socket, reader] { receive(socket, *reader); });
        // A sender writes its whole request at once; one that stops halfway must not keep the
        // connection (and its buffer) forever.
        QTimer::singleShot(kRequestTimeoutMs, socket, [socket, reader] {
            if (reader->state() == InstanceRequestReader::Incomplete) {
                qDebug() << "instance channel: request not finished in time, closing";
                socket->abort();
                socket->deleteLater();
            }
        });
        if (socket->bytesAvailable() > 0)
            receive(socket, *reader);
    }
}

void InstanceChannel::receive(QLocalSocket* socket, InstanceRequestReader& reader)
{
    // Read no more than the reader takes: what lies beyond a request's bounds is never kept.
    switch (reader.feed(socket->read(reader.room()))) {
    case InstanceRequestReader::Incomplete:
        return; // the rest of the request is still on its way
    case InstanceRequestReader::Refused:
        qDebug() << "instance channel: malformed or oversized request, closing";
        disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
        socket->abort();
        socket->deleteLater();
        return;
    case InstanceRequestReader::Complete: {
        // A copy: disconnecting may let go of the reader.
        const QStringList args = reader.arguments();
        // Answer once per connection: a handler that runs a nested event loop (a write with its
        // busy dialog) must not see the same request again.
        disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
        serve(socket, args);
        return;
    }
    }
}

void InstanceChannel::serve(QLocalSocket* socket, const QStringList& args)
{
    if (!m_Handler) {
        // Listening starts with the lock, before the window that answers exists.
        QTimer::singleShot(kHandlerWaitMs, socket, [this, socket, args] { serve(socket, args); });
        return;
    }
    QPointer<QLocalSocket> guard(socket);
    QString output;
    const int code = m_Handler(args, &output);
    if (!guard)
        return; // the asking process gave up and left meanwhile
    QDataStream out(socket);
    out << qint32(code) << output;
    socket->flush();
    socket->disconnectFromServer();
}

InstanceChannel::Reply InstanceChannel::send(const QString& name, const QStringList& args,
                                             int iTimeoutMs)
{
    Reply reply;
    const QString path = address(name);
    if (path.isEmpty())
        return reply;
    QDeadlineTimer deadline(iTimeoutMs);
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return reply;
    QDataStream out(&socket);
    out << args;
    socket.flush();
    QDataStream in(&socket);
    const auto tryRead = [&in, &reply] {
        in.startTransaction();
        qint32 code = 0;
        QString output;
        in >> code >> output;
        if (!in.commitTransaction())
            return false;
        reply = Reply{true, code, output};
        return true;
    };
    // Data that came with the close is still readable, so one more try follows the last wait.
    while (!tryRead()) {
        const bool bMore = !deadline.hasExpired() &&
                           socket.state() == QLocalSocket::ConnectedState &&
                           socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
        if (!bMore) {
            tryRead();
            break;
        }
    }
    return reply;
}
