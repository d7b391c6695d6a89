#pragma once

#include "model/MacroEvent.h"

#include <QVector>

// Lays out one macro's events in the 256-byte block the mouse stores per macro. A macro without
// any delay step gets a one-unit delay after every four events and at its end, so the mouse
// never plays a run of events back faster than it can report them.
class MacroBlockEncoder
{
public:
    static constexpr int kBlockSize = 256;
    static constexpr int kFilledLimit = 200; // the mouse keeps only this much of a block
    static constexpr quint8 kDelayKind = 6;

    // block receives kBlockSize bytes; bytes from kFilledLimit on are always zero.
    static void encode(const QVector<MacroEvent>& events, quint8* block);

    // True when the block holds something to send (its first five bytes are not all zero).
    static bool isUsed(const quint8* block);
};
