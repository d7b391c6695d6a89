#pragma once

#include <QByteArray>

struct _XDisplay;

// A connection of our own to an X server, apart from the toolkit's, so that the platform layer
// needs no GUI library. Requests made between beginTrap() and endTrap() report their X error
// code instead of reaching Xlib's default handler, which would end the process.
class X11Connection
{
public:
    explicit X11Connection(const QByteArray& displayName);
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    // Lets connections be made and used on other threads than the toolkit's (each connection by
    // one thread at a time). Call before any other X call of the process.
    static void allowThreads();

    bool isOpen() const { return m_pDisplay != nullptr; }
    _XDisplay* display() const { return m_pDisplay; }

    // Drops a connection that the server closed without letting Xlib touch it again (it would
    // end the process); the little memory it holds is left behind.
    void abandon();

    void beginTrap();
    // Waits for the server to handle every request so far; returns the first X error code
    // since beginTrap(), or 0.
    int endTrap();

private:
    _XDisplay* m_pDisplay = nullptr;
};
