#pragma once

#include "platform/KeyStrokeBuilder.h"
#include "platform/KeyboardHook.h"
#include "platform/ServerTimeMapper.h"

#include <QByteArray>

#include <memory>

class QSocketNotifier;
class X11Connection;
union _XEvent;

// The global hook of an X11 session: raw key events of XInput 2 on the root window, read on a
// connection of its own, so keys typed into any window are seen while they still reach the
// application that has the focus. In Swallow mode the keyboard is grabbed as well, so that no
// other application gets a key while the hook runs; closing the connection releases the grab
// whatever else happens.
class XInputKeyboardHook : public KeyboardHook
{
    Q_OBJECT
public:
    explicit XInputKeyboardHook(const QByteArray& displayName);
    ~XInputKeyboardHook() override;

    // True when the server speaks XInput 2.0 or later.
    static bool isAvailable(const QByteArray& displayName);

    bool start(Mode mode) override;
    void stop() override;
    bool isRunning() const override { return m_pConnection != nullptr; }
    bool isGlobal() const override { return true; }
    bool feedKeyEvent(const QKeyEvent*) override { return false; }
    // False in Swallow mode when another client held the keyboard: keys are still seen.
    bool isGrabbed() const { return m_bGrabbed; }

private:
    void readEvents();
    void handleEvent(_XEvent* event);
    void takeKey(int keycode, bool release, unsigned long serverTime);
    bool connectionLost() const;
    void dropNotifier();

    QByteArray m_DisplayName;
    std::unique_ptr<X11Connection> m_pConnection;
    std::unique_ptr<QSocketNotifier> m_pNotifier;
    int m_iOpcode = 0;
    bool m_bGrabbed = false;
    KeyStrokeBuilder m_Builder;
    ServerTimeMapper m_Clock;
};
