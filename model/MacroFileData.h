#pragma once

#include "model/MacroEvent.h"

#include <QString>
#include <QVector>

// The contents of one macro file as the editor and the button window use them.
struct MacroFileData
{
    QString path;         // Setting/MacroFilePath as stored
    int defaultDelay = 0; // Setting/DefaultDelay
    int delayType = 0;    // Setting/DelayType: 0 none, 1 recorded delays, 2 default delay
    int loopType = 0;     // Setting/LoopType: 1..3 the chosen loop option, 0 none
    int loopTime = 0;     // Setting/LoopTime
    int count = 0;        // Setting/Count as read; events holds what could be read of it
    QVector<MacroEvent> events;

    // The state of a macro that was just created: default delay 10, loop count 1, no events.
    static MacroFileData newMacro()
    {
        MacroFileData d;
        d.defaultDelay = 10;
        d.loopTime = 1;
        return d;
    }
};
