#pragma once

#include "model/FunctionCode.h"

#include <QColor>
#include <QtGlobal>

// The factory default profile as the device description supplies it. Byte-wide values keep the
// low 8 bits of what the file holds; the defaults are those of a file that lacks the key.
struct FactoryProfile
{
    static constexpr int kDpiLevelCount = 8;
    static constexpr int kButtonCount = 16;
    static constexpr int kLedModeCount = 14;

    struct Button
    {
        qint32 ID = 0;
        qint32 Fun = FunctionCode::None;
        qint32 LoopNumber = 0;
        qint32 KeyNumber = 0;
        quint8 Res1 = 0;
        quint8 Res2 = 0;
        quint8 Res3 = 0;
        quint8 Res4 = 0;
    };

    struct Led
    {
        QColor colour; // invalid when the file has no colour for the mode
        qint32 bright = 0;
        qint32 breath = 0;
    };

    quint8 dpi = 0;
    quint8 pollrate = 0;
    quint8 LedMode = 0;
    quint8 LedMoveOFF = 255;
    quint8 LedSleepTime = 1;
    qint32 DpiXy[kDpiLevelCount] = {}; // step code used for X, Y and the linked value
    Button Buttons[kButtonCount];
    Led Leds[kLedModeCount];
};
