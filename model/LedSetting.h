#pragma once

#include <QColor>
#include <QtGlobal>

// One lighting mode: its colour with the picker's h/s/v, brightness and speed levels.
struct LedSetting
{
    QColor colour;
    quint32 h = 0;
    quint32 s = 0;
    quint32 v = 0;
    quint32 bright = 0;
    quint32 breath = 0;

    bool operator==(const LedSetting& o) const
    {
        return colour == o.colour && h == o.h && s == o.s && v == o.v && bright == o.bright &&
               breath == o.breath;
    }
    bool operator!=(const LedSetting& o) const { return !(*this == o); }
};
