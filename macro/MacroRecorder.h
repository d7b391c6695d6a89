#pragma once

#include "model/MacroEvent.h"

#include <QVector>

// Turns key strokes into macro rows while the editor records: one key row per press or
// release, a delay row before every row but the first (by delay mode), key repeat dropped, and
// the row limits kept. Knows nothing of widgets or hooks; the editor feeds it.
class MacroRecorder
{
public:
    enum DelayMode
    {
        NoDelays = 0,       // no delay rows
        RecordedDelays = 1, // the measured gap since the previous event
        DefaultDelays = 2   // the editor's default delay
    };

    // `unit` is the delay unit in milliseconds (the description's MinDelay), at least 1.
    explicit MacroRecorder(int unit = 1);

    int unit() const { return m_iUnit; }
    void setDelayMode(int iMode) { m_iDelayMode = iMode; }
    void setDefaultDelay(int iMs) { m_iDefaultDelay = iMs; }

    // A new recording: no previous event, no key held.
    void begin();
    bool isHeld(quint8 code) const { return m_Held.contains(code); }

    // The most rows a recording in this delay mode may reach.
    int rowLimit() const;

    // Appends the rows for one stroke of key `code` (a key code) at `timeMs` (a monotonic
    // millisecond clock). Returns false, appending nothing, for a repeated press of a held key, a
    // key without a HID usage, and a stroke whose rows would pass the row limit.
    bool onHookKey(quint8 code, bool bRelease, qint64 timeMs, QVector<MacroEvent>& rows);

private:
    int m_iUnit;
    int m_iDelayMode = NoDelays;
    int m_iDefaultDelay = 10;
    bool m_bHavePrevious = false;
    qint64 m_iPreviousMs = 0;
    QVector<quint8> m_Held;
};
