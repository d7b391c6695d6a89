#include "platform/X11Connection.h"

#include <X11/Xlib.h>

#include <unistd.h>

namespace {
int g_iTrappedError = 0;
XErrorHandler g_PreviousHandler = nullptr;

int trapError(Display*, XErrorEvent* event)
{
    if (g_iTrappedError == 0)
        g_iTrappedError = event->error_code;
    return 0;
}
} // namespace

void X11Connection::allowThreads()
{
    XInitThreads();
}

X11Connection::X11Connection(const QByteArray& displayName)
    : m_pDisplay(displayName.isEmpty() ? nullptr : XOpenDisplay(displayName.constData()))
{
}

X11Connection::~X11Connection()
{
    if (m_pDisplay)
        XCloseDisplay(m_pDisplay);
}

void X11Connection::abandon()
{
    if (m_pDisplay)
        ::close(ConnectionNumber(m_pDisplay));
    m_pDisplay = nullptr;
}

void X11Connection::beginTrap()
{
    g_iTrappedError = 0;
    g_PreviousHandler = XSetErrorHandler(trapError);
}

int X11Connection::endTrap()
{
    XSync(m_pDisplay, False);
    XSetErrorHandler(g_PreviousHandler);
    g_PreviousHandler = nullptr;
    return g_iTrappedError;
}
