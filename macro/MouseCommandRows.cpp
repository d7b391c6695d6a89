#include "macro/MouseCommandRows.h"

#include "macro/MacroRecorder.h"

namespace {
constexpr int kStepDelayMs = 10;
} // namespace

MouseCommandRows::MouseCommandRows(int iDelayMode, int iDefaultDelayMs, int iUnit)
    : m_iDelayMode(iDelayMode), m_iDefaultDelayMs(iDefaultDelayMs), m_iUnit(qMax(1, iUnit))
{
}

void MouseCommandRows::appendStep(QVector<MacroEvent>& rows, const MacroEvent& step) const
{
    rows.append(step);
    if (m_iDelayMode == MacroRecorder::RecordedDelays)
        rows.append(MacroRows::delayMs(kStepDelayMs, m_iUnit));
    else if (m_iDelayMode == MacroRecorder::DefaultDelays)
        rows.append(MacroRows::delayCount(m_iDefaultDelayMs / m_iUnit));
}

QVector<MacroEvent> MouseCommandRows::click(quint8 mask, ClickPart part) const
{
    QVector<MacroEvent> rows;
    if (part != ReleaseOnly)
        appendStep(rows, MacroRows::button(true, mask));
    if (part != PressOnly)
        appendStep(rows, MacroRows::button(false, mask));
    return rows;
}

QVector<MacroEvent> MouseCommandRows::move(MacroRows::Direction direction, int distance) const
{
    QVector<MacroEvent> rows;
    appendStep(rows, MacroRows::move(direction, distance));
    return rows;
}
