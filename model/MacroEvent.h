#pragma once

#include <QtGlobal>

// One macro step: the kind in bits 0..6 of Map, bit 7 set for a press.
struct MacroEvent
{
    quint8 Map = 0;
    quint8 DataH = 0;
    quint8 DataL = 0;

    bool operator==(const MacroEvent& o) const
    {
        return Map == o.Map && DataH == o.DataH && DataL == o.DataL;
    }
    bool operator!=(const MacroEvent& o) const { return !(*this == o); }
};
