#pragma once

#include "model/MacroEvent.h"

#include <QVector>

// The rows of the macro editor: one MacroEvent per step, built and read here so that the
// recorder, the editor, the mouse commands and the gun set all encode steps the same way.
class MacroRows
{
public:
    // Row types (the Map byte).
    static constexpr quint8 kKeyPress = 0x84;
    static constexpr quint8 kKeyRelease = 0x04;
    static constexpr quint8 kButtonPress = 0x81;
    static constexpr quint8 kButtonRelease = 0x01;
    static constexpr quint8 kMove = 0x02;
    static constexpr quint8 kDelay = 0x06;
    static constexpr quint8 kPressBit = 0x80;

    // A button carries 84 events; the editor keeps one spare and stops at 83 rows. Without
    // delay rows a recording stops earlier, at 56.
    static constexpr int kMaxRows = 83;
    static constexpr int kMaxRowsWithoutDelays = 56;
    static constexpr int kMaxMoveDistance = 120;
    static constexpr int kMaxDelayCount = 0xFFFF;

    // Mouse button masks.
    static constexpr quint8 kLeft = 0x01;
    static constexpr quint8 kRight = 0x02;
    static constexpr quint8 kMiddle = 0x04;
    static constexpr quint8 kForward = 0x08;
    static constexpr quint8 kBackward = 0x10;

    enum Kind
    {
        KeyKind,
        ButtonKind,
        MoveKind,
        DelayKind,
        OtherKind
    };
    enum Direction
    {
        MoveLeft,
        MoveRight,
        MoveUp,
        MoveDown
    };

    static MacroEvent key(bool bPress, quint8 usage);
    static MacroEvent button(bool bPress, quint8 mask);
    // `distance` is bounded to 1..120; left and up store it negated in one byte (256 - d).
    static MacroEvent move(Direction direction, int distance);
    static MacroEvent delayCount(int count);
    // count = ms / unit, never below one unit and never beyond what two bytes hold.
    static MacroEvent delayMs(int ms, int unit);
    static int countForMs(int ms, int unit);

    static Kind kind(const MacroEvent& row);
    static bool isPress(const MacroEvent& row) { return (row.Map & kPressBit) != 0; }
    static bool isValidButton(quint8 mask);
    static int delayCountOf(const MacroEvent& row) { return row.DataH * 256 + row.DataL; }
    static Direction direction(const MacroEvent& row);
    static int distance(const MacroEvent& row);

    // Every key and mouse-button press has its release: one release strikes out one earlier
    // or later press of the same key or button. Releases without a press are harmless.
    static bool allReleased(const QVector<MacroEvent>& rows);
};
