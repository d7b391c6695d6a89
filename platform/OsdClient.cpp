#include "platform/OsdClient.h"

#include "platform/RuntimeDir.h"

#include <QDebug>

QString OsdClient::serverAddress()
{
    const QString dir = RuntimeDir::path();
    return dir.isEmpty() ? serverName() : dir + "/" + serverName();
}

QString OsdClient::programPath()
{
    return ProgramLauncher::inAppFolder("mouse-osd");
}

OsdClient::OsdClient(ProgramLauncher* launcher, QObject* parent)
    : QObject(parent), m_pLauncher(launcher ? launcher : &m_OwnLauncher),
      m_pSocket(new QLocalSocket(this)), m_ServerAddress(serverAddress()), m_Program(programPath())
{
    m_RetryTimer.setSingleShot(true);
    m_RetryTimer.setInterval(kRetryIntervalMs);
    connect(&m_RetryTimer, &QTimer::timeout, this, &OsdClient::tryConnect);
    connect(m_pSocket, &QLocalSocket::connected, this, &OsdClient::onConnected);
    connect(m_pSocket, &QLocalSocket::disconnected, this, &OsdClient::onDisconnected);
    connect(m_pSocket, &QLocalSocket::errorOccurred, this, &OsdClient::onError);
    // Opened for reading as well, so that the OSD going away is noticed at once; it sends
    // nothing we need.
    connect(m_pSocket, &QLocalSocket::readyRead, m_pSocket, [this] { m_pSocket->readAll(); });
}

void OsdClient::announce(const QString& text, const QColor& colour)
{
    send(OsdMessage::announcement(text, colour));
}

void OsdClient::send(const OsdMessage& message)
{
    const QByteArray block = message.toBlock();
    if (isConnected() && m_Queue.empty()) {
        write(block);
        return;
    }
    m_Queue.push_back(block);
    while (m_Queue.size() > kMaxQueued)
        m_Queue.pop_front();
    if (m_iAttempt == 0) {
        m_bLaunched = false;
        tryConnect();
    }
}

void OsdClient::tryConnect()
{
    ++m_iAttempt;
    emit attemptStarted(m_iAttempt);
    m_pSocket->abort();
    // On this platform a refused connection is usually reported from inside this call.
    m_pSocket->connectToServer(m_ServerAddress);
}

void OsdClient::onConnected()
{
    m_iAttempt = 0;
    m_RetryTimer.stop();
    flush();
}

void OsdClient::flush()
{
    while (!m_Queue.empty() && isConnected()) {
        const QByteArray block = m_Queue.front();
        m_Queue.pop_front();
        write(block);
    }
}

void OsdClient::write(const QByteArray& block)
{
    if (m_pSocket->write(block) != block.size()) {
        qDebug("SendMessage failed\n");
        return;
    }
    emit blockWritten();
}

void OsdClient::onDisconnected()
{
    // What the OSD had not taken yet is lost with the connection.
    if (m_pSocket->bytesToWrite() > 0)
        qDebug("SendMessage failed\n");
}

void OsdClient::onError(QLocalSocket::LocalSocketError error)
{
    Q_UNUSED(error);
    if (m_iAttempt == 0)
        return; // an established connection broke; onDisconnected tells about lost data
    if (m_pSocket->state() == QLocalSocket::ConnectedState)
        return;
    if (m_iAttempt >= kMaxAttempts) {
        m_iAttempt = 0;
        m_Queue.clear();
        emit gaveUp();
        return;
    }
    if (!m_bLaunched) {
        m_bLaunched = true;
        m_pLauncher->startDetached(m_Program);
    }
    if (!m_RetryTimer.isActive())
        m_RetryTimer.start();
}
