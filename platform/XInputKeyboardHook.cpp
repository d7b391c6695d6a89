#include "platform/XInputKeyboardHook.h"

#include "platform/LinuxScanCodes.h"
#include "platform/MonotonicClock.h"
#include "platform/X11Connection.h"

#include <QDebug>
#include <QPointer>
#include <QSocketNotifier>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <sys/socket.h>

namespace {
// Raw events reach every client that selects them, grab or not, from version 2.1 on.
constexpr int kMajor = 2;
constexpr int kMinor = 2;

bool queryXInput(Display* display, int* opcode)
{
    int event = 0;
    int error = 0;
    if (!XQueryExtension(display, "XInputExtension", opcode, &event, &error))
        return false;
    int major = kMajor;
    int minor = kMinor;
    return XIQueryVersion(display, &major, &minor) == Success && major >= 2;
}
} // namespace

XInputKeyboardHook::XInputKeyboardHook(const QByteArray& displayName) : m_DisplayName(displayName)
{
}

XInputKeyboardHook::~XInputKeyboardHook()
{
    stop();
}

bool XInputKeyboardHook::isAvailable(const QByteArray& displayName)
{
    X11Connection connection(displayName);
    int opcode = 0;
    return connection.isOpen() && queryXInput(connection.display(), &opcode);
}

bool XInputKeyboardHook::start(Mode mode)
{
    if (isRunning())
        return true;
    auto connection = std::make_unique<X11Connection>(m_DisplayName);
    if (!connection->isOpen() || !queryXInput(connection->display(), &m_iOpcode)) {
        qDebug("keyboard hook: no XInput 2 on display \"%s\"", m_DisplayName.constData());
        return false;
    }
    Display* display = connection->display();
    const Window root = DefaultRootWindow(display);

    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    // Master devices only: every key once, whichever keyboard (or XTEST) it came from.
    XIEventMask mask{XIAllMasterDevices, int(sizeof(bits)), bits};
    connection->beginTrap();
    XISelectEvents(display, root, &mask, 1);
    if (connection->endTrap() != 0) {
        qDebug("keyboard hook: raw key events refused");
        return false;
    }
    // A held key then repeats as presses alone, as on a PC, not as release and press pairs.
    XkbSetDetectableAutoRepeat(display, True, nullptr);
    m_bGrabbed = mode == Swallow && XGrabKeyboard(display, root, False, GrabModeAsync,
                                                  GrabModeAsync, CurrentTime) == GrabSuccess;
    if (mode == Swallow && !m_bGrabbed)
        qDebug("keyboard hook: keyboard held by another client, keys are not kept from it");
    XSync(display, False);

    m_Builder.reset();
    m_Clock.reset();
    m_pConnection = std::move(connection);
    m_pNotifier =
        std::make_unique<QSocketNotifier>(ConnectionNumber(display), QSocketNotifier::Read);
    connect(m_pNotifier.get(), &QSocketNotifier::activated, this, &XInputKeyboardHook::readEvents);
    // Events read into Xlib's queue while waiting for the replies above raise no socket signal.
    readEvents();
    return true;
}

void XInputKeyboardHook::dropNotifier()
{
    // Stopping from a stroke's receiver happens inside the notifier's own signal.
    if (QSocketNotifier* notifier = m_pNotifier.release()) {
        notifier->setEnabled(false);
        notifier->deleteLater();
    }
}

void XInputKeyboardHook::stop()
{
    dropNotifier();
    if (m_pConnection && m_bGrabbed) {
        XUngrabKeyboard(m_pConnection->display(), CurrentTime);
        XFlush(m_pConnection->display());
    }
    m_bGrabbed = false;
    // Closing the connection ends the selection (and any grab) on the server's side.
    m_pConnection.reset();
}

bool XInputKeyboardHook::connectionLost() const
{
    // Xlib ends the process on a closed connection, so look before letting it read.
    char byte = 0;
    const int fd = ConnectionNumber(m_pConnection->display());
    return ::recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

void XInputKeyboardHook::readEvents()
{
    if (!m_pConnection)
        return;
    if (connectionLost()) {
        qDebug("keyboard hook: connection to the X server lost");
        dropNotifier();
        m_bGrabbed = false;
        m_pConnection->abandon();
        m_pConnection.reset();
        return;
    }
    QPointer<XInputKeyboardHook> alive(this);
    Display* display = m_pConnection->display();
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        handleEvent(&event);
        // A receiver of the stroke may have stopped or deleted the hook.
        if (!alive || !m_pConnection)
            return;
    }
}

void XInputKeyboardHook::handleEvent(XEvent* event)
{
    // While the keyboard is grabbed the server sends this client the core key events of the grab
    // and no raw events; otherwise the raw events are the only ones asked for.
    if (m_bGrabbed) {
        if (event->type == KeyPress || event->type == KeyRelease)
            takeKey(event->xkey.keycode, event->type == KeyRelease, event->xkey.time);
        return;
    }
    XGenericEventCookie* cookie = &event->xcookie;
    if (cookie->type != GenericEvent || cookie->extension != m_iOpcode)
        return;
    if (!XGetEventData(m_pConnection->display(), cookie))
        return;
    int keycode = 0;
    Time time = 0;
    const bool key = cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease;
    if (key) {
        const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
        keycode = raw->detail;
        time = raw->time;
    }
    const bool release = cookie->evtype == XI_RawKeyRelease;
    XFreeEventData(m_pConnection->display(), cookie);
    if (key)
        takeKey(keycode, release, time);
}

void XInputKeyboardHook::takeKey(int keycode, bool release, unsigned long serverTime)
{
    const int linuxCode = keycode - LinuxScanCodes::kXkbOffset;
    KeyStroke stroke;
    const qint64 timeMs = m_Clock.map(quint32(serverTime), MonotonicClock::nowMs());
    if (linuxCode <= 0 || !m_Builder.build(quint16(linuxCode), release, timeMs, false, &stroke))
        return;
    stroke.serverTime = quint32(serverTime);
    emit keyStroke(stroke);
}
