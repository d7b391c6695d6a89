#include "macro/MacroRecorder.h"

#include "macro/MacroRows.h"
#include "model/KeyTable.h"

MacroRecorder::MacroRecorder(int unit) : m_iUnit(qMax(1, unit)) {}

void MacroRecorder::begin()
{
    m_bHavePrevious = false;
    m_iPreviousMs = 0;
    m_Held.clear();
}

int MacroRecorder::rowLimit() const
{
    return m_iDelayMode == NoDelays ? MacroRows::kMaxRowsWithoutDelays : MacroRows::kMaxRows;
}

bool MacroRecorder::onHookKey(quint8 code, bool bRelease, qint64 timeMs, QVector<MacroEvent>& rows)
{
    if (!bRelease && isHeld(code))
        return false; // the keyboard's auto-repeat of a held key
    quint8 usage = 0;
    if (!KeyTable::keyCodeToUsage(code, usage))
        return false; // the mouse could not play it back

    const bool bDelayRow = m_bHavePrevious && m_iDelayMode != NoDelays;
    // A delay row and its key row go in together or not at all: a trailing delay without its
    // key would be a step nobody recorded.
    if (rows.size() + (bDelayRow ? 2 : 1) > rowLimit())
        return false;

    if (bDelayRow) {
        if (m_iDelayMode == RecordedDelays) {
            // The clock is monotonic, but two strokes can share a millisecond.
            const qint64 elapsed = qMax<qint64>(0, timeMs - m_iPreviousMs);
            const qint64 count = qBound<qint64>(1, elapsed / m_iUnit, MacroRows::kMaxDelayCount);
            rows.append(MacroRows::delayCount(int(count)));
        } else {
            rows.append(MacroRows::delayCount(m_iDefaultDelay / m_iUnit));
        }
    }
    rows.append(MacroRows::key(!bRelease, usage));
    if (bRelease)
        m_Held.removeAll(code);
    else
        m_Held.append(code);
    m_bHavePrevious = true;
    m_iPreviousMs = timeMs;
    return true;
}
