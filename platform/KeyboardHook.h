#pragma once

#include <QMetaType>
#include <QObject>

#include <memory>

class QKeyEvent;

// One key event as the capture windows and the macro recorder work with it: the set-1 scan code
// of a PC keyboard and the flags of a low-level keyboard hook record. The private codes
// 0xE0..0xEF for keys that share a scan code are not applied here; PrivateKeyCodes does that once,
// above the hook.
struct KeyStroke
{
    static constexpr quint8 kExtended = 0x01; // the key sends the E0 prefix
    static constexpr quint8 kAltDown = 0x20;  // an Alt key is held
    static constexpr quint8 kKeyUp = 0x80;    // the key was released

    quint8 scanCode = 0;
    quint8 flags = 0;
    quint32 vkCode = 0;     // virtual-key code where one is known (right Alt: 0xA5), else 0
    qint64 timeMs = 0;      // when the key moved, milliseconds on a monotonic clock
    quint32 serverTime = 0; // the X server's own time stamp of the key where known, else 0

    bool isRelease() const { return (flags & kKeyUp) != 0; }
};
Q_DECLARE_METATYPE(KeyStroke)

// Keys taken from the keyboard while a capture window or the macro recorder runs. On X11 with
// XInput 2 the hook is global: it sees keys typed into any window. Where no global hook exists
// (a Wayland session, an X server without XInput 2) it sees only the keys that the owning window
// hands it through feedKeyEvent(), translated the same way.
class KeyboardHook : public QObject
{
    Q_OBJECT
public:
    enum Mode
    {
        Observe, // keys still reach the application that has the focus
        Swallow  // no key reaches another application while the hook runs (keyboard grab)
    };

    ~KeyboardHook() override = default;

    // False when the hook could not be installed: the caller then simply receives no keys.
    virtual bool start(Mode mode) = 0;
    // Ends the hook and releases any grab. Safe to call at any time, more than once.
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;
    // True when keys typed into other windows are seen too.
    virtual bool isGlobal() const = 0;

    // The window-local path: a capture window passes its own key events here. Returns true when
    // the event was taken as a key stroke (a global hook ignores these, it sees the keys itself).
    virtual bool feedKeyEvent(const QKeyEvent* event) = 0;

signals:
    void keyStroke(const KeyStroke& stroke);
};
