#pragma once

#include "platform/KeyboardHook.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>
#include <memory>

// A keyboard hook the test types into. Its state outlives the hook, so a test can see whether
// the capture was ended after the window (and the hook with it) is gone.
struct FakeHookState
{
    bool bRunning = false;
    KeyboardHook::Mode mode = KeyboardHook::Observe;
    int iStops = 0;
    QVector<int> queued; // strokes (scan << 8 | flags) already waiting when the hook starts
};

class FakeKeyboardHook : public KeyboardHook
{
public:
    explicit FakeKeyboardHook(
        std::shared_ptr<FakeHookState> state = std::make_shared<FakeHookState>(),
        bool bGlobal = true)
        : m_pState(std::move(state)), m_bGlobal(bGlobal)
    {
    }
    bool start(Mode mode) override
    {
        m_pState->bRunning = true;
        m_pState->mode = mode;
        for (int s : m_pState->queued) // a real hook reports them from within start()
            type(quint8(s >> 8), quint8(s & 0xFF));
        return true;
    }
    void stop() override
    {
        m_pState->bRunning = false;
        ++m_pState->iStops;
    }
    bool isRunning() const override { return m_pState->bRunning; }
    bool isGlobal() const override { return m_bGlobal; }
    bool feedKeyEvent(const QKeyEvent*) override { return false; }

    const FakeHookState& state() const { return *m_pState; }

    // A stroke as the platform would report it: raw scan code and hook flags.
    void type(quint8 scanCode, quint8 flags = 0, qint64 timeMs = 0)
    {
        emit keyStroke(KeyStroke{scanCode, flags, 0, timeMs});
    }
    // A key as a real hook reports it: only while it runs.
    void stroke(quint8 scanCode, bool bRelease, qint64 timeMs)
    {
        if (m_pState->bRunning)
            type(scanCode, bRelease ? KeyStroke::kKeyUp : 0, timeMs);
    }

private:
    std::shared_ptr<FakeHookState> m_pState;
    bool m_bGlobal;
};

// Runs `act` on the next modal dialog once it is open (the code under test is inside exec()).
inline void onNextDialog(std::function<void(QDialog*)> act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start(5);
}
