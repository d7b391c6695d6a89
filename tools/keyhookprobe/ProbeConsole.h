#pragma once

#include <QObject>
#include <QWidget>

#include <memory>

class KeyCapture;
class KeyboardHook;
class QSocketNotifier;

// Drives a key capture on a window from commands on standard input ("start observe",
// "start swallow", "start swallow once" (stops at the first key), "stop", "quit") and prints every
// stroke, as the hook gave it and as the capture windows get it, one line each on standard output.
class ProbeConsole : public QObject
{
    Q_OBJECT
public:
    ProbeConsole();
    ~ProbeConsole() override;

private:
    void readCommand();
    void start(bool swallow, bool once);
    void stop();

    QWidget m_Window;
    std::unique_ptr<KeyCapture> m_pCapture;
    KeyboardHook* m_pHook = nullptr; // owned by m_pCapture
    std::unique_ptr<QSocketNotifier> m_pInput;
    unsigned char m_RawScan = 0;
    unsigned char m_RawFlags = 0;
};
