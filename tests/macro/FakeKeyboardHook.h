#pragma once

#include "platform/KeyboardHook.h"

// A keyboard hook the test drives: strokes go out only while it runs, as a real hook's do.
class FakeKeyboardHook : public KeyboardHook
{
public:
    explicit FakeKeyboardHook(bool bGlobal = true) : m_bGlobal(bGlobal) {}

    bool start(Mode mode) override
    {
        m_bRunning = true;
        lastMode = mode;
        return true;
    }
    void stop() override { m_bRunning = false; }
    bool isRunning() const override { return m_bRunning; }
    bool isGlobal() const override { return m_bGlobal; }
    bool feedKeyEvent(const QKeyEvent*) override { return false; }

    void stroke(quint8 scanCode, bool bRelease, qint64 timeMs)
    {
        if (!m_bRunning)
            return;
        KeyStroke s;
        s.scanCode = scanCode;
        s.flags = bRelease ? KeyStroke::kKeyUp : 0;
        s.timeMs = timeMs;
        emit keyStroke(s);
    }

    Mode lastMode = Swallow;

private:
    bool m_bGlobal;
    bool m_bRunning = false;
};
