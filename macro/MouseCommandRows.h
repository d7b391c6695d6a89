#pragma once

#include "macro/MacroRows.h"

// The rows one entry of the mouse command tree inserts, each press, release or movement
// followed by the delay row that the delay mode asks for: none, 10 ms, or the default delay.
class MouseCommandRows
{
public:
    enum ClickPart
    {
        WholeClick,
        PressOnly,
        ReleaseOnly
    };

    MouseCommandRows(int iDelayMode, int iDefaultDelayMs, int iUnit);

    QVector<MacroEvent> click(quint8 mask, ClickPart part) const;
    QVector<MacroEvent> move(MacroRows::Direction direction, int distance) const;

private:
    void appendStep(QVector<MacroEvent>& rows, const MacroEvent& step) const;

    int m_iDelayMode;
    int m_iDefaultDelayMs;
    int m_iUnit;
};
