#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

// The key combination of the combo-key window: five slots in the fixed order Shift, Ctrl, Win,
// Alt, other key. The live slots follow the keys held now; the committed ones are the keys held
// at the last press, so letting go of the keys afterwards keeps the combination.
class ComboKeyState
{
public:
    static constexpr int kSlotCount = 5;
    static constexpr int kOtherSlot = 4;
    enum Hand
    {
        Off = 0,
        LeftHand = 1, // also: the other key is set
        RightHand = 2
    };

    ComboKeyState();

    // One key event as the capture gives it (key code with the private codes, hook flags).
    // Returns false when it was ignored as a key repeat.
    bool key(quint8 code, bool bRelease, quint8 flags);
    // The combination of a stored button; the next key pressed starts a new one.
    void prefill(const QVector<quint8>& keyCodes);

    // Names joined by " + " in slot order; a modifier is named after its left-hand key.
    QString text() const;
    // The committed keys in slot order: a modifier by its left-hand key code.
    QVector<quint8> keyCodes() const;

private:
    // Slot of a modifier key code and its hand, or -1.
    int modifierSlot(quint8 code, Hand* hand) const;

    quint8 m_iLive[kSlotCount] = {};
    quint8 m_iComboKey[kSlotCount] = {};
    // Left-hand and right-hand key code of each modifier slot; the other key in [4][0].
    quint8 m_iHotKeyCode[kSlotCount][2] = {
        {0x2A, 0x36}, {0x1D, 0xEE}, {0x5B, 0x5C}, {0x38, 0xEF}, {0, 0}};
    bool m_bFreshStart = true;
    bool m_bHaveLast = false;
    quint8 m_LastCode = 0;
    quint8 m_LastFlags = 0;
};
