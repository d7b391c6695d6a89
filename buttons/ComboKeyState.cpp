#include "buttons/ComboKeyState.h"

#include "model/KeyTable.h"

#include <QStringList>

#include <cstring>

ComboKeyState::ComboKeyState() = default;

int ComboKeyState::modifierSlot(quint8 code, Hand* hand) const
{
    for (int slot = 0; slot < kOtherSlot; ++slot) {
        for (int side = 0; side < 2; ++side) {
            if (m_iHotKeyCode[slot][side] == code) {
                *hand = side == 0 ? LeftHand : RightHand;
                return slot;
            }
        }
    }
    return -1;
}

bool ComboKeyState::key(quint8 code, bool bRelease, quint8 flags)
{
    if (m_bHaveLast && code == m_LastCode && flags == m_LastFlags)
        return false;
    m_bHaveLast = true;
    m_LastCode = code;
    m_LastFlags = flags;
    if (m_bFreshStart) {
        std::memset(m_iLive, 0, sizeof m_iLive);
        std::memset(m_iComboKey, 0, sizeof m_iComboKey);
        m_bFreshStart = false;
    }

    Hand hand = Off;
    const int slot = modifierSlot(code, &hand);
    if (bRelease) {
        // A key held before the capture began can be let go of without ever having been
        // counted, so a slot never goes below zero.
        if (slot >= 0)
            m_iLive[slot] = m_iLive[slot] > hand ? quint8(m_iLive[slot] - hand) : 0;
        else
            m_iLive[kOtherSlot] = Off;
        return true;
    }
    if (slot >= 0) {
        m_iLive[slot] = quint8(hand);
    } else {
        m_iLive[kOtherSlot] = LeftHand;
        m_iHotKeyCode[kOtherSlot][0] = code;
    }
    std::memcpy(m_iComboKey, m_iLive, sizeof m_iComboKey);
    return true;
}

void ComboKeyState::prefill(const QVector<quint8>& keyCodes)
{
    std::memset(m_iComboKey, 0, sizeof m_iComboKey);
    for (quint8 code : keyCodes) {
        Hand hand = Off;
        const int slot = modifierSlot(code, &hand);
        if (slot >= 0) {
            m_iComboKey[slot] |= quint8(hand);
        } else {
            m_iComboKey[kOtherSlot] = LeftHand;
            m_iHotKeyCode[kOtherSlot][0] = code;
        }
    }
    std::memcpy(m_iLive, m_iComboKey, sizeof m_iLive);
    m_bFreshStart = true;
}

QVector<quint8> ComboKeyState::keyCodes() const
{
    QVector<quint8> codes;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (m_iComboKey[slot] != Off)
            codes.append(m_iHotKeyCode[slot][0]);
    }
    return codes;
}

QString ComboKeyState::text() const
{
    QStringList names;
    for (quint8 code : keyCodes())
        names.append(KeyTable::keyName(code));
    return names.join(QStringLiteral(" + "));
}
