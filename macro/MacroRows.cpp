#include "macro/MacroRows.h"

#include <QHash>

MacroEvent MacroRows::key(bool bPress, quint8 usage)
{
    return MacroEvent{bPress ? kKeyPress : kKeyRelease, 0, usage};
}

MacroEvent MacroRows::button(bool bPress, quint8 mask)
{
    return MacroEvent{bPress ? kButtonPress : kButtonRelease, 0, mask};
}

MacroEvent MacroRows::move(Direction direction, int distance)
{
    const int d = qBound(1, distance, kMaxMoveDistance);
    const quint8 negative = quint8(256 - d);
    switch (direction) {
    case MoveLeft:
        return MacroEvent{kMove, 0, negative};
    case MoveRight:
        return MacroEvent{kMove, 0, quint8(d)};
    case MoveUp:
        return MacroEvent{kMove, negative, 0};
    case MoveDown:
    default:
        return MacroEvent{kMove, quint8(d), 0};
    }
}

MacroEvent MacroRows::delayCount(int count)
{
    const int c = qBound(0, count, kMaxDelayCount);
    return MacroEvent{kDelay, quint8(c / 256), quint8(c % 256)};
}

int MacroRows::countForMs(int ms, int unit)
{
    const int u = qMax(1, unit);
    return qBound(1, ms / u, kMaxDelayCount);
}

MacroEvent MacroRows::delayMs(int ms, int unit)
{
    return delayCount(countForMs(ms, unit));
}

MacroRows::Kind MacroRows::kind(const MacroEvent& row)
{
    switch (row.Map) {
    case kKeyPress:
    case kKeyRelease:
        return KeyKind;
    case kButtonPress:
    case kButtonRelease:
        return ButtonKind;
    case kMove:
        return MoveKind;
    case kDelay:
        return DelayKind;
    default:
        return OtherKind;
    }
}

bool MacroRows::isValidButton(quint8 mask)
{
    return mask == kLeft || mask == kRight || mask == kMiddle || mask == kForward ||
           mask == kBackward;
}

MacroRows::Direction MacroRows::direction(const MacroEvent& row)
{
    if (row.DataH != 0)
        return row.DataH > kMaxMoveDistance ? MoveUp : MoveDown;
    return row.DataL > kMaxMoveDistance ? MoveLeft : MoveRight;
}

int MacroRows::distance(const MacroEvent& row)
{
    const quint8 v = row.DataH != 0 ? row.DataH : row.DataL;
    return v > kMaxMoveDistance ? 256 - v : v;
}

bool MacroRows::allReleased(const QVector<MacroEvent>& rows)
{
    // Keyed by kind and code: key usage 1 and the left button's mask 1 are different things.
    QHash<int, int> open;
    for (const MacroEvent& row : rows) {
        const Kind k = kind(row);
        if (k != KeyKind && k != ButtonKind)
            continue;
        const int id = (k == KeyKind ? 0x100 : 0) | row.DataL;
        open[id] += isPress(row) ? 1 : -1;
    }
    for (int n : open) {
        if (n > 0)
            return false;
    }
    return true;
}
