#include "ProbeConsole.h"

#include "platform/KeyboardHookFactory.h"
#include "platform/MonotonicClock.h"
#include "platform/XInputKeyboardHook.h"
#include "widgets/KeyCapture.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {
void printLine(const QByteArray& line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}
} // namespace

ProbeConsole::ProbeConsole()
    : m_pInput(std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read))
{
    m_Window.setWindowTitle("key hook probe");
    m_Window.resize(200, 80);
    m_Window.show();
    connect(m_pInput.get(), &QSocketNotifier::activated, this, &ProbeConsole::readCommand);
    printLine("ready");
}

ProbeConsole::~ProbeConsole() = default;

void ProbeConsole::readCommand()
{
    char buffer[256];
    const ssize_t size = ::read(STDIN_FILENO, buffer, sizeof(buffer) - 1);
    if (size <= 0) {
        QCoreApplication::quit();
        return;
    }
    for (const QByteArray& command : QByteArray(buffer, int(size)).split('\n')) {
        if (command == "start observe" || command == "start swallow")
            start(command.endsWith("swallow"), false);
        else if (command == "start swallow once")
            start(true, true);
        else if (command == "stop")
            stop();
        else if (command == "quit")
            QCoreApplication::quit();
    }
}

void ProbeConsole::start(bool swallow, bool once)
{
    stop();
    std::unique_ptr<KeyboardHook> hook = KeyboardHookFactory::create();
    m_pHook = hook.get();
    // The hook's own record, before the key capture gives it its key code.
    connect(m_pHook, &KeyboardHook::keyStroke, this, [this](const KeyStroke& stroke) {
        m_RawScan = stroke.scanCode;
        m_RawFlags = stroke.flags;
    });
    m_pCapture = std::make_unique<KeyCapture>(
        &m_Window, swallow ? KeyboardHook::Swallow : KeyboardHook::Observe, std::move(hook));
    connect(
        m_pCapture.get(), &KeyCapture::keyCaptured, this, [this, once](const KeyStroke& stroke) {
            printLine(QByteArray("stroke scan=") +
                      QByteArray::number(m_RawScan, 16).rightJustified(2, '0') +
                      " flags=" + QByteArray::number(m_RawFlags, 16).rightJustified(2, '0') +
                      " code=" + QByteArray::number(stroke.scanCode, 16).rightJustified(2, '0') +
                      " vk=" + QByteArray::number(stroke.vkCode, 16) +
                      " time=" + QByteArray::number(stroke.timeMs) +
                      " server=" + QByteArray::number(stroke.serverTime) +
                      " seen=" + QByteArray::number(MonotonicClock::nowMs()));
            // As a capture window does that closes on its key: the hook stops from inside its
            // signal.
            if (once) {
                m_pCapture->stop();
                printLine("stopped by key");
            }
        });
    const bool ok = m_pCapture->start();
    const auto* xinput = qobject_cast<XInputKeyboardHook*>(m_pHook);
    printLine(QByteArray("started ok=") + (ok ? "1" : "0") +
              " global=" + (m_pCapture->isGlobal() ? "1" : "0") +
              " grabbed=" + (xinput && xinput->isGrabbed() ? "1" : "0"));
}

void ProbeConsole::stop()
{
    if (!m_pCapture)
        return;
    m_pCapture->stop();
    m_pCapture.reset();
    m_pHook = nullptr;
    printLine("stopped");
}
