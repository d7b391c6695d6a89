#pragma once

#include <QColor>

// Contrast of text against its background as the WCAG formula measures it: (L1 + 0.05) /
// (L2 + 0.05) over the relative luminances of the two colours, 1 to 21. Text the user must read
// wants at least kReadable.
class ColourContrast
{
public:
    static constexpr double kReadable = 4.5;

    static double luminance(const QColor& colour);
    static double ratio(const QColor& a, const QColor& b);
    // Black or white, whichever reads better on `background`.
    static QColor textOn(const QColor& background);
};
