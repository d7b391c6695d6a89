#pragma once

#include "platform/KeyboardHook.h"

#include <QObject>
#include <QPointer>
#include <QSet>

#include <memory>

class QWidget;

// Keys from the keyboard for one capture window (single key, combo key, fire key) or the macro
// recorder. It runs the platform's keyboard hook, gives every stroke its key code (the private
// codes 0xE0..0xEF for keys that share a scan code, applied here once for every user), and
// where the hook is not global it takes the keys from the window's own key events instead.
//
// The capture ends, and any keyboard grab is released, in exactly one place (stop()), which every
// way out passes: stop() itself, the window being hidden, closed or destroyed, and this object
// being destroyed.
//
// A release whose press was not seen since the capture (re)started is dropped: it belongs to a
// key pressed before, such as the Return that opened the window or ended typing in a field.
class KeyCapture : public QObject
{
    Q_OBJECT
public:
    // `hook` is the platform's (KeyboardHookFactory::create()) when null; tests pass their own.
    KeyCapture(QWidget* window, KeyboardHook::Mode mode,
               std::unique_ptr<KeyboardHook> hook = nullptr);
    ~KeyCapture() override;

    // False when no hook could be installed: the window then simply receives no keys.
    bool start();
    void stop();
    bool isRunning() const;
    // False: keys are seen only while the window has the focus (say so to the user).
    bool isGlobal() const;

signals:
    // `stroke.scanCode` is the key code: the scan code with the private codes applied.
    void keyCaptured(const KeyStroke& stroke);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isInWindow(QObject* watched) const;
    void onStroke(const KeyStroke& stroke);
    void deliver(const KeyStroke& coded);

    QPointer<QWidget> m_pWindow;
    KeyboardHook::Mode m_Mode;
    std::unique_ptr<KeyboardHook> m_pHook;
    bool m_bStarting = false;
    QSet<int> m_Held; // keys pressed since the start: scan code and extended bit
};
