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

    // The colour with h, s, v as the picker shows it; grey has no hue and keeps 0.
    void setColour(const QColor& c)
    {
        const QColor rgb = c.toRgb();
        colour = QColor(rgb.red(), rgb.green(), rgb.blue());
        h = quint32(qMax(0, colour.hsvHue()));
        s = quint32(colour.hsvSaturation());
        v = quint32(colour.value());
    }

    bool operator==(const LedSetting& o) const
    {
        return colour == o.colour && h == o.h && s == o.s && v == o.v && bright == o.bright &&
               breath == o.breath;
    }
    bool operator!=(const LedSetting& o) const { return !(*this == o); }
};
