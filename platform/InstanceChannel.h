#pragma once

#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class InstanceRequestReader;

// The running instance's ear: a local socket beside its single-instance lock. A later start of
// the same product hands its request (the command-line arguments) over and gets back an exit
// code and the text to print, so only the running instance ever talks to the mouse.
class InstanceChannel : public QObject
{
    Q_OBJECT
public:
    // What the running instance does with a request: the exit code, `output` what to print.
    using Handler = std::function<int(const QStringList& args, QString* output)>;

    struct Reply
    {
        bool bAnswered = false; // false: no instance listened or it did not answer in time
        int iExitCode = 0;
        QString output;
    };

    explicit InstanceChannel(QObject* parent = nullptr);

    // The socket for the lock `name`, in the same private runtime folder.
    static QString address(const QString& name);

    // Call only while holding the lock `name`: a socket file left there is then the remains of
    // an instance that crashed, and is replaced. Requests that come before the handler is set
    // wait for it.
    bool listen(const QString& name);
    void setHandler(const Handler& handler) { m_Handler = handler; }

    // Blocks up to `iTimeoutMs` for the whole exchange; a write may take the running instance
    // a while, so callers with such requests pass a long timeout.
    static Reply send(const QString& name, const QStringList& args, int iTimeoutMs);

private slots:
    void onNewConnection();

private:
    static constexpr int kHandlerWaitMs = 100;
    // How long a connection may take to deliver its whole request.
    static constexpr int kRequestTimeoutMs = 5000;
    void receive(QLocalSocket* socket, InstanceRequestReader& reader);
    void serve(QLocalSocket* socket, const QStringList& args);

    QLocalServer m_Server;
    Handler m_Handler;
};
