#pragma once

#include <QtGlobal>

// One DPI level. All values are sensor step codes, not DPI numbers.
struct DpiLevel
{
    quint8 used = 0; // 1: the level takes part in DPI cycling
    quint8 link = 0; // 1: X and Y share the linked value
    quint32 xy = 0;  // linked value
    quint32 x = 0;
    quint32 y = 0;

    bool operator==(const DpiLevel& o) const
    {
        return used == o.used && link == o.link && xy == o.xy && x == o.x && y == o.y;
    }
    bool operator!=(const DpiLevel& o) const { return !(*this == o); }
};
