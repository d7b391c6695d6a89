#pragma once

#include "buttons/KivoKeyWindow.h"

// Captures one key for "SINGLE KEY": the last key touched, pressed or released. Keys still reach
// the application that has the focus.
class KivoSingleKeyWindow : public KivoKeyWindow
{
    Q_OBJECT
public:
    explicit KivoSingleKeyWindow(QWidget* parent, double dScale = 1.0,
                                 std::unique_ptr<KeyboardHook> hook = nullptr);

    // The key of a button that already holds a single key.
    void prefill(quint8 keyCode);
    // 0 until a key was captured.
    quint8 keyCode() const { return m_iKeyCode; }

protected:
    QString titleText() const override;
    QString promptText() const override;
    void onKey(const KeyStroke& stroke) override;

private:
    quint8 m_iKeyCode = 0;
    bool m_bHaveLast = false;
    quint8 m_LastCode = 0;
    quint8 m_LastFlags = 0;
};
