#pragma once

#include "buttons/ComboKeyState.h"
#include "buttons/KivoKeyWindow.h"

// Captures a key combination for "COMBO KEY": the keys held at the last key press. While it
// captures, no key reaches another application.
class KivoComboKeyWindow : public KivoKeyWindow
{
    Q_OBJECT
public:
    explicit KivoComboKeyWindow(QWidget* parent, double dScale = 1.0,
                                std::unique_ptr<KeyboardHook> hook = nullptr);

    // The combination of a button that already holds one (key codes in any order).
    void prefill(const QVector<quint8>& keyCodes);
    // The combination in slot order (Shift, Ctrl, Win, Alt, other key); empty when none.
    QVector<quint8> keyCodes() const { return m_State.keyCodes(); }

protected:
    QString titleText() const override;
    QString promptText() const override;
    void onKey(const KeyStroke& stroke) override;

private:
    ComboKeyState m_State;
};
