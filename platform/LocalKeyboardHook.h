#pragma once

#include "platform/KeyStrokeBuilder.h"
#include "platform/KeyboardHook.h"

// The hook where no global one exists: it sees only the key events that the capture window
// passes in, but reports them exactly as a global hook would, auto-repeat included (the windows
// drop a record equal to the one before).
class LocalKeyboardHook : public KeyboardHook
{
    Q_OBJECT
public:
    bool start(Mode mode) override;
    void stop() override;
    bool isRunning() const override { return m_bRunning; }
    bool isGlobal() const override { return false; }
    bool feedKeyEvent(const QKeyEvent* event) override;

private:
    bool m_bRunning = false;
    KeyStrokeBuilder m_Builder;
};
