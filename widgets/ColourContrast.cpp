#include "widgets/ColourContrast.h"

#include <QtMath>

namespace {
double linear(double channel)
{
    return channel <= 0.03928 ? channel / 12.92 : qPow((channel + 0.055) / 1.055, 2.4);
}
} // namespace

double ColourContrast::luminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double ColourContrast::ratio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor ColourContrast::textOn(const QColor& background)
{
    return ratio(background, Qt::black) >= ratio(background, Qt::white) ? QColor(Qt::black)
                                                                        : QColor(Qt::white);
}
