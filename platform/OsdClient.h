#pragma once

#include "platform/OsdMessage.h"
#include "platform/ProgramLauncher.h"

#include <QLocalSocket>
#include <QObject>
#include <QTimer>

#include <deque>

// Sends announcements to the on-screen-display program over the local socket it listens on.
// When nothing answers, the program is started from the application folder and the connection
// is tried again every 500 ms on a timer, five tries in all, after which the waiting
// announcements are dropped without a word. Nothing here ever blocks the calling thread.
//
// Announcements made while the connection is being set up wait in order and all go out once
// it stands (the OSD shows each in turn, the last one staying on screen); at most kMaxQueued
// wait, the oldest making room.
class OsdClient : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxAttempts = 5;
    static constexpr int kRetryIntervalMs = 500;
    static constexpr int kMaxQueued = 16;

    // The name the OSD program listens under.
    static QString serverName() { return QStringLiteral("Wireless Mouse OSD"); }
    // Where that name lives: in the user's runtime folder, so that the OSD of another user on
    // the same machine is never reached.
    static QString serverAddress();
    // The OSD program, beside the executable.
    static QString programPath();

    // `launcher` must outlive the client; null: a launcher of the client's own.
    explicit OsdClient(ProgramLauncher* launcher = nullptr, QObject* parent = nullptr);

    void setServerAddress(const QString& address) { m_ServerAddress = address; }
    void setProgram(const QString& program) { m_Program = program; }

    // Shows `text` on the OSD in the accent colour `colour`.
    void announce(const QString& text, const QColor& colour);
    void send(const OsdMessage& message);

    bool isConnected() const { return m_pSocket->state() == QLocalSocket::ConnectedState; }
    int queuedCount() const { return static_cast<int>(m_Queue.size()); }

signals:
    void attemptStarted(int iAttempt); // 1..kMaxAttempts within one round
    void blockWritten();
    void gaveUp();

private slots:
    void tryConnect();
    void onConnected();
    void onDisconnected();
    void onError(QLocalSocket::LocalSocketError error);

private:
    void flush();
    void write(const QByteArray& block);

    ProgramLauncher m_OwnLauncher;
    ProgramLauncher* m_pLauncher;
    QLocalSocket* m_pSocket;
    QTimer m_RetryTimer;
    QString m_ServerAddress;
    QString m_Program;
    std::deque<QByteArray> m_Queue;
    int m_iAttempt = 0; // 0: no connection round running
    bool m_bLaunched = false;
};
